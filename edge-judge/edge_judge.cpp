#include "edge_judge.h"

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <limits>
#include <new>
#include <string_view>
#include <type_traits>

#if defined(__linux__)
#include <sys/mman.h>
#endif

#include "message.h"

namespace judge {

namespace {

// Every verdict of edge-judge. Only the full-score line has a field, the
// score "%02d"; the others carry their score 0 in the text.
struct EdgeMessage {
    EdgeOutcome outcome;
    std::string_view text;
};

constexpr EdgeMessage kEdgeMessages[] = {
    {EdgeOutcome::Unreadable, " 0 - Не вдалося зчитати потрібну кількість ребер.\n"},
    {EdgeOutcome::BadEdge, " 0 - Неправильний опис ребра.\n"},
    {EdgeOutcome::LargerFirst, " 0 - Першою в описі ребра вказано вершину з більшим номером.\n"},
    {EdgeOutcome::WrongOrder, " 0 - Неправильна відповідь.\n"},
    {EdgeOutcome::ExtraNumbers, " 0 - Зайві числа у файлі.\n"},
    {EdgeOutcome::Correct, "%02d - Правильна відповідь.\n"},
};

constexpr bool all_encodable() {
    for (const EdgeMessage& message : kEdgeMessages) {
        if (!cp1251::encodable(message.text)) return false;
    }
    return true;
}
static_assert(all_encodable(), "every edge-judge message must be writable in Windows-1251");

constexpr std::int64_t kInt32Max = std::numeric_limits<std::int32_t>::max();

// Takes a block of memory for a FlatArray, or grows one, keeping its bytes.
void* grow_block(void* block, std::size_t old_bytes, std::size_t new_bytes) {
#if defined(__linux__)
    void* grown = block == nullptr
                      ? mmap(nullptr, new_bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0)
                      : mremap(block, old_bytes, new_bytes, MREMAP_MAYMOVE);
    if (grown == MAP_FAILED) throw std::bad_alloc();
    madvise(grown, new_bytes, MADV_HUGEPAGE);  // a hint; failure is harmless
    return grown;
#else
    (void)old_bytes;
    void* grown = std::realloc(block, new_bytes);
    if (grown == nullptr) throw std::bad_alloc();
    return grown;
#endif
}

void release_block(void* block, std::size_t bytes) {
    if (block == nullptr) return;
#if defined(__linux__)
    munmap(block, bytes);
#else
    (void)bytes;
    std::free(block);
#endif
}

// A flat, growable array of plain values, for the large arrays of the queues.
//
// On Linux it lives in a mapping of its own that is marked for huge pages and
// grows with mremap, which moves pages instead of copying them: growing
// neither copies the values nor holds an old and a new copy at once, and each
// page is cleared only once. The entries are read in random order, and with
// 4 KB pages the page faults of filling them and the address-translation
// misses of reading them cost more than all the rest of the run. Elsewhere it
// grows with std::realloc.
template <typename T>
class FlatArray {
    static_assert(std::is_trivially_copyable_v<T>, "values are moved as raw bytes");
    static_assert(sizeof(T) > 1, "doubling a capacity that fits in memory must not overflow");

public:
    FlatArray() = default;
    FlatArray(const FlatArray&) = delete;
    FlatArray& operator=(const FlatArray&) = delete;
    ~FlatArray() { release_block(data_, capacity_ * sizeof(T)); }

    std::size_t size() const { return size_; }
    T& operator[](std::size_t index) { return data_[index]; }
    const T& operator[](std::size_t index) const { return data_[index]; }

    void push_back(T value) {
        if (size_ == capacity_) reserve(capacity_ == 0 ? kFirstCapacity : 2 * capacity_);
        data_[size_++] = value;
    }

    // Sets the size; values past the old size are left for the caller to set.
    void resize_for_overwrite(std::size_t size) {
        reserve(size);
        size_ = size;
    }

private:
    static constexpr std::size_t kFirstCapacity = 4096 / sizeof(T);

    void reserve(std::size_t capacity) {
        if (capacity <= capacity_) return;
        if (capacity > std::numeric_limits<std::size_t>::max() / sizeof(T)) throw std::bad_alloc();
        data_ = static_cast<T*>(grow_block(data_, capacity_ * sizeof(T), capacity * sizeof(T)));
        capacity_ = capacity;
    }

    T* data_ = nullptr;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
};

// The adjacency queues of all vertices in one flat array. Each adjacency line
// is stored where the one before it ends, closed by kLineEnd, and each vertex
// keeps the index of its queue's front. A pair is judged by looking at two
// fronts, and accepting it moves them on, so no list is ever searched and no
// vertex needs a container of its own.
class AdjacencyQueues {
public:
    // Reads n as "%d\n" does, then up to n adjacency lines.
    void read(Reader& input);

    std::int64_t vertex_count() const { return n_; }
    std::int64_t edge_count() const { return entry_count_ / 2; }

    // Whether `neighbour` stands at the front of the queue of `vertex`.
    bool front_is(std::int64_t vertex, std::int32_t neighbour) const {
        return has_queue(vertex) && entries_[heads_[static_cast<std::size_t>(vertex - 1)]] == neighbour;
    }

    // Removes the front of the queue of `vertex`; only after front_is().
    void pop(std::int64_t vertex) { ++heads_[static_cast<std::size_t>(vertex - 1)]; }

    // Hints that front_is() will soon look at `vertex`: first its head, then,
    // once the head has arrived, the entry it points to. Any vertex number
    // may be given; one without a queue is ignored.
    void prefetch_head(std::int64_t vertex) const {
        if (has_queue(vertex)) prefetch(&heads_[static_cast<std::size_t>(vertex - 1)]);
    }
    void prefetch_front(std::int64_t vertex) const {
        if (has_queue(vertex)) prefetch(&entries_[heads_[static_cast<std::size_t>(vertex - 1)]]);
    }

private:
    // Closes a line in `entries_`. Vertices are numbered from 1, so no
    // neighbour is ever stored as 0, and an empty queue's front is this mark,
    // which no vertex equals.
    static constexpr std::int32_t kLineEnd = 0;
    // A neighbour that no contestant's vertex can equal: a number outside
    // 1..n, one beyond 32 bits, or a word that is not a decimal number.
    static constexpr std::int32_t kNoVertex = -1;

    // Whether `vertex` has a line of its own: vertices past the last line
    // read have none, and their queues are empty.
    bool has_queue(std::int64_t vertex) const {
        // One unsigned comparison for 1 <= vertex <= lines: written as two
        // signed ones, GCC 12 was seen to drop the prefetch that it guards.
        return static_cast<std::uint64_t>(vertex - 1) < heads_.size();
    }
    static void prefetch(const void* address) {
#if defined(__GNUC__)
        __builtin_prefetch(address);
#else
        (void)address;
#endif
    }

    bool read_line(Reader& input);
    void find_heads(std::size_t lines);

    std::int64_t n_ = 0;
    std::int64_t entry_count_ = 0;             // neighbours of all lines read
    FlatArray<std::int32_t> entries_;          // the lines, each closed by kLineEnd
    FlatArray<std::size_t> heads_;             // heads_[i - 1]: front of vertex i
};

void AdjacencyQueues::read(Reader& input) {
    ScannedInt first;
    if (input.read_int(first) == Scan::Number) {
        if (!first.negative) n_ = first.fits_int64() ? first.as_int64() : std::numeric_limits<std::int64_t>::max();
        input.skip_space();  // the "\n" of "%d\n": blank lines and leading blanks too
    }
    // Lines are counted as they come, never allocated ahead: n may be far
    // larger than the file, and vertices past its end simply have no queue.
    std::size_t lines = 0;
    while (static_cast<std::int64_t>(lines) < n_ && read_line(input)) ++lines;
    find_heads(lines);
}

// Reads one adjacency line, up to its line feed or the end of the file, and
// appends its neighbours and kLineEnd to `entries_`. Returns false when the
// file had already ended.
bool AdjacencyQueues::read_line(Reader& input) {
    if (!input.fill(1)) return false;
    // Numbers above this cannot be a vertex; the value stops growing there so
    // that arbitrarily long digit runs never overflow.
    const std::uint64_t largest = static_cast<std::uint64_t>(std::min(n_, kInt32Max));
    const std::uint64_t too_large = largest + 1;
    std::uint64_t value = 0;
    bool in_word = false;
    bool all_digits = true;
    auto end_word = [&] {
        if (!in_word) return;
        const bool vertex = all_digits && value >= 1 && value <= largest;
        entries_.push_back(vertex ? static_cast<std::int32_t>(value) : kNoVertex);
        ++entry_count_;
        value = 0;
        in_word = false;
        all_digits = true;
    };

    bool line_ended = false;
    while (!line_ended && input.fill(1)) {
        // Straight over the buffered bytes: this loop sees every byte of the input.
        const char* bytes = input.data();
        const std::size_t size = input.available();
        std::size_t i = 0;
        while (i < size) {
            const int c = static_cast<unsigned char>(bytes[i++]);
            const unsigned digit = static_cast<unsigned>(c) - unsigned{'0'};
            if (digit <= 9) {
                if (value < too_large) value = value * 10 + digit;
                in_word = true;
            } else if (c == '\n') {
                line_ended = true;
                break;
            } else if (is_space(c)) {
                // Blanks and tabs, in any number, separate; so does a CR,
                // which makes a CR LF line end read like an LF one.
                end_word();
            } else {
                in_word = true;
                all_digits = false;
            }
        }
        input.consume(i);
    }
    // The end of the file closes an unfinished line like a line feed.
    end_word();
    entries_.push_back(kLineEnd);
    return true;
}

// Each queue starts just after the kLineEnd of the line before. The fronts
// are found in one pass once all lines are in, rather than recorded while
// reading: this array is then allocated once, at its final size.
void AdjacencyQueues::find_heads(std::size_t lines) {
    heads_.resize_for_overwrite(lines);
    std::size_t start = 0;
    for (std::size_t line = 0; line < lines; ++line) {
        heads_[line] = start;
        while (entries_[start] != kLineEnd) ++start;
        ++start;
    }
}

// A contestant's vertex number; one beyond 32 bits is 0, outside every range.
std::int64_t vertex_number(const ScannedInt& number) { return number.fits_int32() ? number.as_int32() : 0; }

struct Pair {
    std::int64_t u;
    std::int64_t v;
};

// Pairs are read a batch at a time before any of them is judged. A pair's
// two queue fronts lie at random places in large arrays, and fetching them
// one pair after another would take most of the judging's time. So the heads
// of the whole batch are asked for first, then the entries they point to,
// each in a short loop, and the memory fetches them side by side. (Asking
// for them while the next pairs are still being read measured slower on the
// benchmark.) The pairs are still judged one by one, in order, so reading a
// few pairs past the first one that fails changes no verdict.
constexpr std::int64_t kBatch = 64;

}  // namespace

EdgeVerdict judge_edges(Reader& input, Reader& output) {
    AdjacencyQueues queues;
    queues.read(input);
    const std::int64_t n = queues.vertex_count();
    const std::int64_t edges = queues.edge_count();

    EdgeVerdict verdict;
    auto decide = [&verdict](EdgeOutcome outcome) {
        verdict.outcome = outcome;
        return verdict;
    };
    Pair batch[kBatch];
    while (verdict.accepted < edges) {
        const auto wanted = static_cast<std::size_t>(std::min(kBatch, edges - verdict.accepted));
        std::size_t count = 0;
        bool unreadable = false;
        for (; count < wanted; ++count) {
            ScannedInt first;
            ScannedInt second;
            if (output.read_int(first) != Scan::Number || output.read_int(second) != Scan::Number) {
                unreadable = true;
                break;
            }
            batch[count] = {vertex_number(first), vertex_number(second)};
        }
        for (std::size_t i = 0; i < count; ++i) {
            queues.prefetch_head(batch[i].u);
            queues.prefetch_head(batch[i].v);
        }
        for (std::size_t i = 0; i < count; ++i) {
            queues.prefetch_front(batch[i].u);
            queues.prefetch_front(batch[i].v);
        }
        for (std::size_t i = 0; i < count; ++i, ++verdict.accepted) {
            const auto [u, v] = batch[i];
            if (u <= 0 || v <= 0 || u > n || v > n || u == v) return decide(EdgeOutcome::BadEdge);
            if (u > v) return decide(EdgeOutcome::LargerFirst);
            if (!queues.front_is(u, static_cast<std::int32_t>(v)) || !queues.front_is(v, static_cast<std::int32_t>(u))) {
                return decide(EdgeOutcome::WrongOrder);
            }
            queues.pop(u);
            queues.pop(v);
        }
        // The pair after the last one judged could not be read.
        if (unreadable) return decide(EdgeOutcome::Unreadable);
    }
    ScannedInt extra;
    if (output.read_int(extra) == Scan::Number) return decide(EdgeOutcome::ExtraNumbers);
    return decide(EdgeOutcome::Correct);
}

std::string edge_report_line(const EdgeVerdict& verdict, std::int32_t max_score) {
    for (const EdgeMessage& message : kEdgeMessages) {
        if (message.outcome != verdict.outcome) continue;
        if (verdict.outcome == EdgeOutcome::Correct) return fill_message(message.text, {max_score});
        return fill_message(message.text, {});
    }
    return {};
}

}  // namespace judge
