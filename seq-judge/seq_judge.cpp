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

// Byte classes for the fast path over identical text.
enum : unsigned char { kOther, kSpace, kDigit, kSign };

struct ByteClasses {
    unsigned char of[256] = {};
    constexpr ByteClasses() {
        for (int c = 0; c < 256; ++c) {
            of[c] = is_space(c) ? kSpace : is_digit(c) ? kDigit : is_sign(c) ? kSign : kOther;
        }
    }
};
constexpr ByteClasses kClasses;

struct Stretch {
    std::size_t bytes = 0;         // how much of the text can be passed over
    std::int64_t numbers = 0;      // how many numbers it holds
};

// The longest start of `text` that ends in white space and holds only white
// space and well-formed numbers, and how many numbers that is. Where both
// files hold these same bytes, each of those steps reads equal numbers from
// both, so the steps can be counted instead of taken one by one.
Stretch plain_numbers(const char* text, std::size_t size) {
    Stretch stretch;
    std::int64_t numbers = 0;
    bool in_digits = false;
    for (std::size_t i = 0; i < size; ++i) {
        switch (kClasses.of[static_cast<unsigned char>(text[i])]) {
        case kSpace:
            stretch.bytes = i + 1;
            stretch.numbers = numbers;
            in_digits = false;
            break;
        case kDigit:
            numbers += in_digits ? 0 : 1;
            in_digits = true;
            break;
        case kSign:
            // A sign must start a number: "5-3" is 5 and -3, but "--" is no number.
            if (i + 1 >= size || !is_digit(static_cast<unsigned char>(text[i + 1]))) return stretch;
            in_digits = false;
            break;
        default:
            return stretch;
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
