#include "perm_judge.h"

#include <cstdlib>
#include <memory>
#include <new>
#include <stdexcept>
#include <string_view>
#include <utility>
#include <vector>

#include "message.h"

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace judge {

namespace {

// Every verdict of perm-judge. The format texts, the "99" flag and the guard's
// text have no line end: testing systems have always received them so.
struct PermMessage {
    PermOutcome outcome;
    std::string_view text;
};

constexpr PermMessage kPermMessages[] = {
    {PermOutcome::InputCountsMissing, " 0 - Не дотримано формат вхідного файлу (1)"},
    {PermOutcome::InputLinkMissing, " 0 - Не дотримано формат вхідного файлу (2)"},
    {PermOutcome::ClaimMissing, " 0 - Не дотримано формат вихідного файлу (1)"},
    {PermOutcome::ArrangementShort, " 0 - Не дотримано формат вихідного файлу (2)"},
    {PermOutcome::ArrangementOutOfRange, " 0 - Не дотримано формат вихідного файлу (3)"},
    {PermOutcome::NotAPermutation, " 0 - Неправильна перестановка\n"},
    {PermOutcome::CostDiffersFromClaim, " 0 - Ціна отриманої перестановки не рівна %d, а рівна %d.\n"},
    {PermOutcome::NotOptimal, " 0 - Не оптимальний розв'язок. Отримано %d, хоча можна %d.\n"},
    {PermOutcome::BeatsJury, "99 - Біда..."},  // the Correct line follows on the same line
    {PermOutcome::Correct, "%02d - Правильний розв'язок.\n"},
    {PermOutcome::JudgingFailed, " 0 - Помилка перевірки"},
};

constexpr bool all_encodable() {
    for (const PermMessage& message : kPermMessages) {
        if (!cp1251::encodable(message.text)) return false;
    }
    return true;
}
static_assert(all_encodable(), "every perm-judge message must be writable in Windows-1251");

std::string_view text_of(PermOutcome outcome) {
    for (const PermMessage& message : kPermMessages) {
        if (message.outcome == outcome) return message.text;
    }
    throw std::logic_error("perm-judge outcome without a message");
}

// fill_message takes numbers of 64 bits, and a claimed cost may be longer:
// these fields are filled with exact decimal texts instead.
std::string fill_decimals(std::string_view format, std::initializer_list<std::string_view> decimals) {
    std::string line;
    auto next = decimals.begin();
    for (std::size_t at = 0; at < format.size(); ++at) {
        if (format.substr(at, 2) != "%d") {
            line.push_back(format[at]);
            continue;
        }
        if (next == decimals.end()) throw std::logic_error("message has more fields than values");
        line.append(*next++);
        ++at;
    }
    if (next != decimals.end()) throw std::logic_error("message has fewer fields than values");
    return line;
}

// Reads one number of any length, as "%d" finds it, into its canonical
// decimal text: no leading zeros, a minus only before a nonzero value. Only
// on Scan::Number is `text` changed. Memory grows with the number's length in
// the file and no more.
Scan read_decimal(Reader& reader, std::string& text) {
    const Scan outcome = reader.skip_space_to_token();
    if (outcome != Scan::Number) return outcome;
    text.clear();
    if (is_sign(reader.peek())) {
        if (reader.peek() == '-') text.push_back('-');
        reader.skip();
    }
    while (reader.peek() == '0') reader.skip();
    const std::size_t sign_length = text.size();
    // The digits a buffer at a time: a claim may run to many megabytes.
    while (is_digit(reader.peek())) {
        const char* digits = reader.data();
        std::size_t length = 0;
        while (length < reader.available() && is_digit(static_cast<unsigned char>(digits[length]))) ++length;
        text.append(digits, length);
        reader.consume(length);
    }
    if (text.size() == sign_length) text = "0";
    return Scan::Number;
}

// Compares a canonical decimal text with a cost, which is never negative:
// below zero, above zero or zero as the text is below, above or equal to it.
int compare_with_cost(const std::string& decimal, std::int64_t cost) {
    if (decimal[0] == '-') return -1;
    const std::string cost_text = std::to_string(cost);
    if (decimal.size() != cost_text.size()) return decimal.size() < cost_text.size() ? -1 : 1;
    return decimal.compare(cost_text);
}

// The memory of a table comes in blocks of 2 MB. A test of millions of links
// spends much of its time on the first touch of each memory page; on Linux a
// block aligned to 2 MB and marked for a huge page takes one page fault where
// it would take 512 (the mark is a hint: without huge pages it is harmless).
constexpr std::size_t kBlockBytes = std::size_t{1} << 21;

struct FreeBlock {
    void operator()(std::int32_t* block) const { std::free(block); }
};
using Block = std::unique_ptr<std::int32_t[], FreeBlock>;

Block new_block() {
#if defined(__linux__)
    void* memory = std::aligned_alloc(kBlockBytes, kBlockBytes);
    if (memory != nullptr) madvise(memory, kBlockBytes, MADV_HUGEPAGE);
#else
    void* memory = std::malloc(kBlockBytes);
#endif
    if (memory == nullptr) throw std::bad_alloc();
    return Block(static_cast<std::int32_t*>(memory));
}

// Numbers kept in blocks that are added as the numbers arrive. Memory follows
// the numbers read, never the counts that the files announce, and growing
// copies nothing.
class Table {
public:
    explicit Table(const PermLimits& limits) : most_entries_(limits.table_entries) {}

    void push_back(std::int32_t value) {
        if (used_ == kBlockSize) add_block();
        blocks_.back()[used_++] = value;
    }

    std::size_t block_count() const { return blocks_.size(); }
    const std::int32_t* block(std::size_t b) const { return blocks_[b].get(); }
    // Every block is full but the last.
    std::size_t block_size(std::size_t b) const { return b + 1 == blocks_.size() ? used_ : kBlockSize; }

private:
    static constexpr std::size_t kBlockSize = kBlockBytes / sizeof(std::int32_t);

    void add_block() {
        if ((blocks_.size() + 1) * kBlockSize > most_entries_) throw std::bad_alloc();
        Block block = new_block();
        blocks_.push_back(std::move(block));
        used_ = 0;
    }

    std::size_t most_entries_;
    std::vector<Block> blocks_;
    std::size_t used_ = kBlockSize;  // entries in the last block; none yet counts as full
};

// Reads a server number of a link, 1..S in the file, stored 0-based.
bool read_server(Reader& input, std::int32_t S, std::int32_t& server) {
    ScannedInt number;
    if (input.read_int(number) != Scan::Number || !number.fits_int32()) return false;
    const std::int32_t value = number.as_int32();
    if (value < 1 || value > S) return false;
    server = value - 1;
    return true;
}

// A verdict whose message has no values to fill.
PermVerdict without_values(PermOutcome outcome) {
    PermVerdict verdict;
    verdict.outcome = outcome;
    return verdict;
}

// A server that no number of the arrangement has named yet.
constexpr std::int32_t kNoPosition = -1;

}  // namespace

PermVerdict judge_permutation(Reader& input, Reader& output, Reader& answer, const PermLimits& limits) {
    // The jury's cost: an answer file without a number makes it 0.
    std::string real_answer = "0";
    read_decimal(answer, real_answer);

    // S and C are 32-bit counts; an input that ends right after S has no links.
    ScannedInt number;
    if (input.read_int(number) != Scan::Number || !number.fits_int32() || number.as_int32() < 0) {
        return without_values(PermOutcome::InputCountsMissing);
    }
    const std::int32_t S = number.as_int32();
    std::int32_t C = 0;
    const Scan links_count = input.read_int(number);
    if (links_count == Scan::NoNumber || (links_count == Scan::Number && !number.fits_int32())) {
        return without_values(PermOutcome::InputCountsMissing);
    }
    if (links_count == Scan::Number) C = number.as_int32();

    // Link i joins the servers X[i] and Y[i], 0-based. A C of 0 or less: no links.
    Table X(limits);
    Table Y(limits);
    for (std::int32_t i = 0; i < C; ++i) {
        std::int32_t x = 0;
        std::int32_t y = 0;
        if (!read_server(input, S, x) || !read_server(input, S, y)) {
            return without_values(PermOutcome::InputLinkMissing);
        }
        X.push_back(x);
        Y.push_back(y);
    }

    // The claimed cost. Where it is no number, the claim counts as 0 and the
    // text stays unread, so the arrangement below starts with no number.
    std::string claimed_res = "0";
    if (read_decimal(output, claimed_res) == Scan::End) return without_values(PermOutcome::ClaimMissing);

    // arrangement[k] is the server at position k. Each number is tested the
    // moment it is read, before the next one.
    Table arrangement(limits);
    for (std::int32_t k = 0; k < S; ++k) {
        const Scan place = output.read_int(number);
        if (place == Scan::End) return without_values(PermOutcome::ArrangementShort);
        if (place == Scan::NoNumber) {
            // A non-number stays unread, so no later place reads anything either.
            // In the first place that is a format fault; after a number, every
            // place left repeats the last server read, which then stands twice.
            if (k == 0) return without_values(PermOutcome::ArrangementOutOfRange);
            return without_values(PermOutcome::NotAPermutation);
        }
        if (!number.fits_int32() || number.as_int32() < 1 || number.as_int32() > S) {
            return without_values(PermOutcome::ArrangementOutOfRange);
        }
        arrangement.push_back(number.as_int32() - 1);
    }

    // S numbers, each in 1..S: a permutation exactly when none repeats.
    // perm[s] is the position of server s.
    if (static_cast<std::size_t>(S) > limits.table_entries) throw std::bad_alloc();
    std::vector<std::int32_t> perm(static_cast<std::size_t>(S), kNoPosition);
    std::int32_t k = 0;
    for (std::size_t b = 0; b < arrangement.block_count(); ++b) {
        const std::int32_t* servers = arrangement.block(b);
        for (std::size_t j = 0; j < arrangement.block_size(b); ++j, ++k) {
            std::int32_t& position = perm[static_cast<std::size_t>(servers[j])];
            if (position != kNoPosition) return without_values(PermOutcome::NotAPermutation);
            position = k;
        }
    }

    // At most C * (S - 1) < 2^62: 64 bits never overflow.
    std::int64_t cost = 0;
    for (std::size_t b = 0; b < X.block_count(); ++b) {  // X and Y grow together, block for block
        const std::int32_t* x = X.block(b);
        const std::int32_t* y = Y.block(b);
        for (std::size_t j = 0; j < X.block_size(b); ++j) {
            const std::int64_t distance =
                std::int64_t{perm[static_cast<std::size_t>(x[j])]} - perm[static_cast<std::size_t>(y[j])];
            cost += distance < 0 ? -distance : distance;
        }
    }

    PermOutcome outcome = PermOutcome::Correct;
    if (compare_with_cost(claimed_res, cost) != 0) {
        outcome = PermOutcome::CostDiffersFromClaim;
    } else if (const int against_jury = compare_with_cost(real_answer, cost); against_jury != 0) {
        outcome = against_jury < 0 ? PermOutcome::NotOptimal : PermOutcome::BeatsJury;
    }
    // Moved, not copied: a claim may be as long as the output file.
    return {outcome, std::move(claimed_res), cost, std::move(real_answer)};
}

std::string perm_report_line(const PermVerdict& verdict, std::int32_t max_score) {
    const std::string_view text = text_of(verdict.outcome);
    switch (verdict.outcome) {
    case PermOutcome::CostDiffersFromClaim:
        return fill_decimals(text, {verdict.claimed_res, std::to_string(verdict.cost)});
    case PermOutcome::NotOptimal:
        return fill_decimals(text, {std::to_string(verdict.cost), verdict.real_answer});
    case PermOutcome::BeatsJury:
        return std::string(text) + fill_message(text_of(PermOutcome::Correct), {max_score});
    case PermOutcome::Correct:
        return fill_message(text, {max_score});
    default:
        return std::string(text);
    }
}

std::string perm_judge(Reader& input, Reader& output, Reader& answer, std::int32_t max_score,
                       const PermLimits& limits) {
    try {
        return perm_report_line(judge_permutation(input, output, answer, limits), max_score);
    } catch (const std::exception&) {
        return std::string(text_of(PermOutcome::JudgingFailed));
    }
}

}  // namespace judge
