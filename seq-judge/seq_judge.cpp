#include "seq_judge.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "message.h"

namespace judge {

namespace {

// Every verdict of seq-judge. The score field "%2d" takes the score, the
// second field the position.
struct SeqMessage {
    SeqOutcome outcome;
    std::string_view text;
};

constexpr SeqMessage kSeqMessages[] = {
    {SeqOutcome::AllMatch, "%2d - Всі числа співпадають!\n"},
    {SeqOutcome::CountDiffers, "%2d - Різна кількість чисел у файлах!\n"},
    {SeqOutcome::Unreadable, "%2d - Не можна зчитати %d-те число!\n"},
    {SeqOutcome::NumbersDiffer, "%2d - Різні числа на %d-ому місці!\n"},
};

constexpr bool all_encodable() {
    for (const SeqMessage& message : kSeqMessages) {
        if (!cp1251::encodable(message.text)) return false;
    }
    return true;
}
static_assert(all_encodable(), "every seq-judge message must be writable in Windows-1251");

// Takes the sign of a number token; true for a minus.
bool take_sign(Reader& reader) {
    const int c = reader.peek();
    if (!is_sign(c)) return false;
    reader.skip();
    return c == '-';
}

void skip_leading_zeros(Reader& reader) {
    while (reader.peek() == '0') reader.skip();
}

// Reads one number token from each reader (both must be at one) and tells
// whether the two have the same value. Digits are compared as they stream by,
// so numbers of any length compare exactly in constant memory. When the
// values differ the tokens are left partly read: the judging stops there.
bool same_number(Reader& output, Reader& answer) {
    const bool output_negative = take_sign(output);
    const bool answer_negative = take_sign(answer);
    skip_leading_zeros(output);
    skip_leading_zeros(answer);
    bool nonzero = false;
    for (;;) {
        const int a = output.peek();
        const int b = answer.peek();
        const bool a_digit = is_digit(a);
        const bool b_digit = is_digit(b);
        if (!a_digit || !b_digit) {
            // Zero has no sign: -0 equals 0.
            return a_digit == b_digit && (!nonzero || output_negative == answer_negative);
        }
        if (a != b) return false;
        nonzero = true;
        output.skip();
        answer.skip();
    }
}

struct Stretch {
    std::size_t bytes = 0;         // how much of the text can be passed over
    std::int64_t numbers = 0;      // how many numbers it holds
};

// Eight bytes at a time: each mask has the high bit of a byte set where the
// byte is of that class. Bytes above 0x7F belong to no class.
namespace word {

constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
constexpr std::uint64_t kHighs = 0x8080808080808080ULL;

std::uint64_t load(const char* bytes) {
    std::uint64_t value;
    std::memcpy(&value, bytes, sizeof value);
    return value;
}

// Bytes of `low7` (high bits cleared) within [low, high].
constexpr std::uint64_t in_range(std::uint64_t low7, unsigned low, unsigned high) {
    return (low7 + (0x80 - low) * kOnes) & ~(low7 + (0x80 - high - 1) * kOnes) & kHighs;
}

// Bytes of `low7` equal to `value`.
constexpr std::uint64_t equal_to(std::uint64_t low7, unsigned value) {
    const std::uint64_t diff = low7 ^ (value * kOnes);
    return ~((diff + 0x7F * kOnes) | diff) & kHighs;
}

struct Classes {
    std::uint64_t digit, space, sign;
};

constexpr Classes classify(std::uint64_t bytes) {
    const std::uint64_t ascii = ~bytes & kHighs;
    const std::uint64_t low7 = bytes & ~kHighs;
    return {
        in_range(low7, '0', '9') & ascii,
        (in_range(low7, '\t', '\r') | equal_to(low7, ' ')) & ascii,
        (equal_to(low7, '+') | equal_to(low7, '-')) & ascii,
    };
}

// How many bytes of a mask are set: the flags moved to the low bit of each
// byte and summed into the top byte by one multiplication.
constexpr int count(std::uint64_t mask) { return static_cast<int>((((mask >> 7) * kOnes) >> 56)); }

}  // namespace word

#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ != __ORDER_LITTLE_ENDIAN__
#error "the word-at-a-time scan assumes a little-endian machine"
#endif

// The longest start of `text` that ends in white space and holds only white
// space and well-formed numbers, and how many numbers that is. Where both
// files hold these same bytes, each of those steps reads equal numbers from
// both, so the steps can be counted instead of taken one by one.
Stretch plain_numbers(const char* text, std::size_t size) {
    Stretch stretch;
    std::int64_t numbers = 0;
    bool in_digits = false;
    std::size_t i = 0;

    // Whole words while every byte is a digit, white space or a sign that a
    // digit follows; a number starts at each digit that follows no digit.
    // Of the last word that held white space, what the stretch's end needs;
    // worked out once, after the loop.
    std::size_t space_word = SIZE_MAX;
    std::uint64_t space_mask = 0;
    std::uint64_t space_starts = 0;
    std::int64_t numbers_before_space = 0;
    word::Classes next = size >= 8 ? word::classify(word::load(text)) : word::Classes{};
    for (; i + 16 <= size; i += 8) {
        const word::Classes bytes = next;
        if ((bytes.digit | bytes.space | bytes.sign) != word::kHighs) break;
        next = word::classify(word::load(text + i + 8));
        const std::uint64_t digit_follows = (bytes.digit >> 8) | (next.digit << 56);
        if ((bytes.sign & ~digit_follows) != 0) break;
        const std::uint64_t starts = bytes.digit & ~((bytes.digit << 8) | (in_digits ? 0x80 : 0));
        if (bytes.space != 0) {
            space_word = i;
            space_mask = bytes.space;
            space_starts = starts;
            numbers_before_space = numbers;
        }
        numbers += word::count(starts);
        in_digits = (bytes.digit >> 63) != 0;
    }
    if (space_word != SIZE_MAX) {
        const int last_space = (63 - __builtin_clzll(space_mask)) / 8;
        const std::uint64_t up_to_space = last_space == 7 ? ~0ULL : (1ULL << (8 * last_space + 8)) - 1;
        stretch.bytes = space_word + static_cast<std::size_t>(last_space) + 1;
        stretch.numbers = numbers_before_space + word::count(space_starts & up_to_space);
    }

    // The rest byte by byte, from the same state.
    for (; i < size; ++i) {
        const int c = static_cast<unsigned char>(text[i]);
        if (is_space(c)) {
            stretch.bytes = i + 1;
            stretch.numbers = numbers;
            in_digits = false;
        } else if (is_digit(c)) {
            numbers += in_digits ? 0 : 1;
            in_digits = true;
        } else if (is_sign(c) && i + 1 < size && is_digit(static_cast<unsigned char>(text[i + 1]))) {
            // A sign must start a number: "5-3" is 5 and -3, but "--" is no number.
            in_digits = false;
        } else {
            break;
        }
    }
    return stretch;
}

// How many leading bytes two texts share.
std::size_t common_prefix(const char* a, const char* b, std::size_t size) {
    constexpr std::size_t kBlock = 256;
    std::size_t done = 0;
    while (done + kBlock <= size && std::memcmp(a + done, b + done, kBlock) == 0) done += kBlock;
    while (done < size && a[done] == b[done]) ++done;
    return done;
}

// Passes over the text that both files hold alike from here on, as far as it
// consists of plain numbers, and returns how many numbers that was. Both
// readers must stand between two steps.
std::int64_t skip_identical_numbers(Reader& output, Reader& answer) {
    constexpr std::size_t kWindow = std::size_t{1} << 16;
    std::int64_t numbers = 0;
    for (;;) {
        output.fill(kWindow);
        answer.fill(kWindow);
        const std::size_t size = std::min(output.available(), answer.available());
        const std::size_t same = common_prefix(output.data(), answer.data(), size);
        const Stretch stretch = plain_numbers(output.data(), same);
        if (stretch.bytes == 0) return numbers;
        output.consume(stretch.bytes);
        answer.consume(stretch.bytes);
        numbers += stretch.numbers;
        // Text not taken must go through the step-by-step comparison first.
        if (stretch.bytes + 64 < same || same < size) return numbers;
    }
}

}  // namespace

SeqVerdict judge_sequences(Reader& output, Reader& answer) {
    std::int64_t position = 0;
    for (;;) {
        position += skip_identical_numbers(output, answer);
        ++position;
        const Scan from_output = output.skip_space_to_token();
        const Scan from_answer = answer.skip_space_to_token();
        if (from_output == Scan::End && from_answer == Scan::End) return {SeqOutcome::AllMatch, position};
        if (from_output == Scan::End || from_answer == Scan::End) return {SeqOutcome::CountDiffers, position};
        if (from_output == Scan::NoNumber) return {SeqOutcome::Unreadable, position};
        // A number in the output against no number in the answer is a difference.
        if (from_answer == Scan::NoNumber) return {SeqOutcome::NumbersDiffer, position};
        if (!same_number(output, answer)) return {SeqOutcome::NumbersDiffer, position};
    }
}

std::string seq_report_line(const SeqVerdict& verdict, std::int32_t maxscore) {
    for (const SeqMessage& message : kSeqMessages) {
        if (message.outcome != verdict.outcome) continue;
        switch (verdict.outcome) {
        case SeqOutcome::AllMatch:
            return fill_message(message.text, {maxscore});
        case SeqOutcome::CountDiffers:
            return fill_message(message.text, {0});
        case SeqOutcome::Unreadable:
        case SeqOutcome::NumbersDiffer:
            return fill_message(message.text, {0, verdict.position});
        }
    }
    return {};
}

}  // namespace judge
