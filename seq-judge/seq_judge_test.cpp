#include "seq_judge.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace judge {
namespace {

struct Case {
    std::string output;
    std::string answer;
    SeqOutcome outcome;
    std::int64_t position;  // checked for Unreadable and NumbersDiffer only
};

// Runs the case with the whole text at once and with tiny buffers, so that
// the fast pass over identical text meets buffer ends everywhere.
void expect_verdict(const Case& c) {
    const std::size_t buffers[] = {Reader::kDefaultBufferSize, 2, 3, 5, 17, 64, 4096};
    for (const std::size_t buffer : buffers) {
        Reader output = Reader::from_text(c.output, SIZE_MAX, buffer);
        Reader answer = Reader::from_text(c.answer, SIZE_MAX, buffer);
        const SeqVerdict verdict = judge_sequences(output, answer);
        EXPECT_EQ(verdict.outcome, c.outcome)
            << "output \"" << c.output << "\", answer \"" << c.answer << "\", buffer " << buffer;
        if (c.outcome == SeqOutcome::Unreadable || c.outcome == SeqOutcome::NumbersDiffer) {
            EXPECT_EQ(verdict.position, c.position)
                << "output \"" << c.output << "\", answer \"" << c.answer << "\", buffer " << buffer;
        }
    }
}

TEST(SeqJudge, VerdictTable) {
    const std::vector<Case> cases = {
        {"", "", SeqOutcome::AllMatch, 0},
        {" \n\t", "\r\n", SeqOutcome::AllMatch, 0},
        {"1 2 3", "1 2 3", SeqOutcome::AllMatch, 0},
        {"1\r\n2\r\n3\r\n\r\n\r\n", "1 2 3", SeqOutcome::AllMatch, 0},
        {"007 +5 -0", "7 5 0", SeqOutcome::AllMatch, 0},
        {"1 2 3", "1 2 4", SeqOutcome::NumbersDiffer, 3},
        {"1 2", "1 2 3", SeqOutcome::CountDiffers, 0},
        {"1 2 3 4", "1 2 3", SeqOutcome::CountDiffers, 0},
        {"1 2 x", "1 2 3", SeqOutcome::Unreadable, 3},
        {"1 2 x", "1 2", SeqOutcome::CountDiffers, 0},  // the end of a file is tested first
        {"1.5", "1 5", SeqOutcome::Unreadable, 2},
        {"", "5", SeqOutcome::CountDiffers, 0},
        {"5", "", SeqOutcome::CountDiffers, 0},
        {"x", "", SeqOutcome::CountDiffers, 0},
        {"-", "1", SeqOutcome::Unreadable, 1},
        {"+ 1", "1", SeqOutcome::Unreadable, 1},
        {"\x1a", "1", SeqOutcome::Unreadable, 1},
        {"1 2 3 x", "1 2 3 x", SeqOutcome::Unreadable, 4},
        {"1 2 3 4", "1 2 3 5", SeqOutcome::NumbersDiffer, 4},
        {"5-3", "5 -3", SeqOutcome::AllMatch, 0},
        {"12 34", "1234", SeqOutcome::NumbersDiffer, 1},
        {"-5", "5", SeqOutcome::NumbersDiffer, 1},
        {"-0", "+000", SeqOutcome::AllMatch, 0},
    };
    for (const Case& c : cases) expect_verdict(c);
}

TEST(SeqJudge, NumbersBeyond32BitsCompareExactly) {
    const std::string huge(5000, '9');
    const std::vector<Case> cases = {
        {"4294967297", "1", SeqOutcome::NumbersDiffer, 1},
        {"2147483648", "-2147483648", SeqOutcome::NumbersDiffer, 1},
        {"+0012", "12", SeqOutcome::AllMatch, 0},
        {"99999999999999999999999", "99999999999999999999999", SeqOutcome::AllMatch, 0},
        {"99999999999999999999999", "99999999999999999999998", SeqOutcome::NumbersDiffer, 1},
        {huge, "000" + huge, SeqOutcome::AllMatch, 0},
        {huge + "1", huge, SeqOutcome::NumbersDiffer, 1},
        {"1 " + huge, "1 -" + huge, SeqOutcome::NumbersDiffer, 2},
    };
    for (const Case& c : cases) expect_verdict(c);
}

TEST(SeqJudge, AnswerHoldingANonNumber) {
    const std::vector<Case> cases = {
        {"1 2 3", "1 2 x", SeqOutcome::NumbersDiffer, 3},
        {"1 2 y", "1 2 x", SeqOutcome::Unreadable, 3},
        {"x", "x", SeqOutcome::Unreadable, 1},
        {"1", "-", SeqOutcome::NumbersDiffer, 1},
    };
    for (const Case& c : cases) expect_verdict(c);
}

// Long identical files pass through the fast path; a difference at any
// place must still be found at its exact position.
TEST(SeqJudge, LongFilesDifferencesAreFoundAtTheirPosition) {
    std::vector<std::string> numbers;
    for (int i = 0; i < 20000; ++i) numbers.push_back(std::to_string((i * 7919) % 100003 - 50000));
    auto join = [](const std::vector<std::string>& items) {
        std::string text;
        for (std::size_t i = 0; i < items.size(); ++i) text += items[i] + ((i + 1) % 10 == 0 ? "\n" : " ");
        return text;
    };
    const std::string base = join(numbers);
    expect_verdict({base, base, SeqOutcome::AllMatch, 0});
    for (const int at : {0, 1, 9, 10, 4095, 12345, 19999}) {
        std::vector<std::string> changed = numbers;
        changed[at] += "1";
        expect_verdict({join(changed), base, SeqOutcome::NumbersDiffer, at + 1});
        changed = numbers;
        // The same value in other bytes: a leading zero, after the sign if any.
        changed[at].insert(changed[at][0] == '-' ? 1 : 0, "0");
        expect_verdict({join(changed), base, SeqOutcome::AllMatch, 0});
        changed = numbers;
        changed[at] = "z";
        expect_verdict({join(changed), base, SeqOutcome::Unreadable, at + 1});
    }
    expect_verdict({base + "5", base, SeqOutcome::CountDiffers, 0});
    expect_verdict({base, base + "\n\n  \n", SeqOutcome::AllMatch, 0});
}

// The step-by-step comparison, written the plain way with whole-number
// reads; the judging must agree with it whatever the buffers and the text.
SeqVerdict reference_verdict(const std::string& output_text, const std::string& answer_text) {
    Reader output = Reader::from_text(output_text);
    Reader answer = Reader::from_text(answer_text);
    for (std::int64_t position = 1;; ++position) {
        ScannedInt x;
        ScannedInt y;
        const Scan from_output = output.read_int(x);
        const Scan from_answer = answer.read_int(y);
        if (from_output == Scan::End && from_answer == Scan::End) return {SeqOutcome::AllMatch, position};
        if (from_output == Scan::End || from_answer == Scan::End) return {SeqOutcome::CountDiffers, position};
        if (from_output == Scan::NoNumber) return {SeqOutcome::Unreadable, position};
        if (from_answer == Scan::NoNumber || x.as_int64() != y.as_int64()) {
            return {SeqOutcome::NumbersDiffer, position};
        }
    }
}

TEST(SeqJudge, AgreesWithAPlainStepByStepComparison) {
    const char* pieces[] = {"0", "7", "-12", "+3", "007", "-0", "123456789", "5-3", "x", "-", "+-1",
                            " ", " ", "\n", "\r\n", "\t", "  ", "1.5", "\x1a", "99"};
    std::mt19937 random(2024);
    for (int round = 0; round < 400; ++round) {
        std::string answer;
        const int length = 1 + static_cast<int>(random() % 300);
        for (int i = 0; i < length; ++i) {
            // Mostly numbers and separators, so that long stretches are plain.
            const int pick = static_cast<int>(random() % (round % 3 == 0 ? 20 : 8));
            answer += pieces[pick];
            answer += i % 7 == 6 ? "\n" : " ";
        }
        std::string output = answer;
        if (round % 4 != 0 && !output.empty()) {
            const std::size_t at = random() % output.size();
            output.insert(at, pieces[random() % 20]);
        }
        const SeqVerdict expected = reference_verdict(output, answer);
        expect_verdict({output, answer, expected.outcome, expected.position});
    }
}

TEST(SeqJudge, ReportLines) {
    EXPECT_EQ(seq_report_line({SeqOutcome::AllMatch, 4}, 5), " 5 - Всі числа співпадають!\n");
    EXPECT_EQ(seq_report_line({SeqOutcome::AllMatch, 4}, 10), "10 - Всі числа співпадають!\n");
    EXPECT_EQ(seq_report_line({SeqOutcome::AllMatch, 1}, 0), " 0 - Всі числа співпадають!\n");
    EXPECT_EQ(seq_report_line({SeqOutcome::CountDiffers, 2}, 5), " 0 - Різна кількість чисел у файлах!\n");
    EXPECT_EQ(seq_report_line({SeqOutcome::Unreadable, 3}, 5), " 0 - Не можна зчитати 3-те число!\n");
    EXPECT_EQ(seq_report_line({SeqOutcome::NumbersDiffer, 3000000000}, 5),
              " 0 - Різні числа на 3000000000-ому місці!\n");
}

}  // namespace
}  // namespace judge
