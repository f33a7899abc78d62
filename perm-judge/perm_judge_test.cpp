#include "perm_judge.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "startup.h"

namespace judge {
namespace {

// Four servers, three links: 1-2, 2-3, 1-4. The arrangement "2 1 4 3" puts
// server 2 first, then 1, 4 and 3, and costs 1 + 3 + 1 = 5.
const std::string kInput = "4 3\n1 2\n2 3\n1 4\n";

struct Case {
    std::string input;
    std::string output;
    std::string answer;
    std::string line;  // the report line expected, UTF-8
    std::int32_t max_score = 10;
};

// Buffer layouts every case runs under (the source's chunk size and the
// reader's buffer size); small ones put boundaries inside numbers.
struct Layout {
    std::size_t chunk;
    std::size_t buffer;
};
const Layout kLayouts[] = {{SIZE_MAX, Reader::kDefaultBufferSize}, {1, 2}, {2, 3}, {3, 7}};

std::string judged_line(const Case& c, Layout layout, const PermLimits& limits = {}) {
    Reader input = Reader::from_text(c.input, layout.chunk, layout.buffer);
    Reader output = Reader::from_text(c.output, layout.chunk, layout.buffer);
    Reader answer = Reader::from_text(c.answer, layout.chunk, layout.buffer);
    return perm_judge(input, output, answer, c.max_score, limits);
}

void expect_lines(const std::vector<Case>& cases, const PermLimits& limits = {}) {
    for (const Case& c : cases) {
        for (const Layout layout : kLayouts) {
            EXPECT_EQ(judged_line(c, layout, limits), c.line)
                << "input \"" << c.input << "\", output \"" << c.output << "\", answer \"" << c.answer
                << "\", chunk " << layout.chunk << ", buffer " << layout.buffer;
        }
    }
}

const std::string kInputFormat1 = " 0 - Не дотримано формат вхідного файлу (1)";
const std::string kInputFormat2 = " 0 - Не дотримано формат вхідного файлу (2)";
const std::string kOutputFormat1 = " 0 - Не дотримано формат вихідного файлу (1)";
const std::string kOutputFormat2 = " 0 - Не дотримано формат вихідного файлу (2)";
const std::string kOutputFormat3 = " 0 - Не дотримано формат вихідного файлу (3)";
const std::string kNotAPermutation = " 0 - Неправильна перестановка\n";
const std::string kJudgingFailed = " 0 - Помилка перевірки";

std::string cost_differs(const std::string& claim, const std::string& cost) {
    return " 0 - Ціна отриманої перестановки не рівна " + claim + ", а рівна " + cost + ".\n";
}
std::string not_optimal(const std::string& cost, const std::string& jury) {
    return " 0 - Не оптимальний розв'язок. Отримано " + cost + ", хоча можна " + jury + ".\n";
}
std::string correct(const std::string& score) { return score + " - Правильний розв'язок.\n"; }

TEST(PermJudge, EveryVerdict) {
    expect_lines({
        {"", "5 2 1 4 3", "5", kInputFormat1},
        {"4 3\n1 2\n2 3\n", "5 2 1 4 3", "5", kInputFormat2},
        {kInput, "", "5", kOutputFormat1},
        {kInput, " \r\n\t\n", "5", kOutputFormat1},
        {kInput, "5", "5", kOutputFormat2},
        {kInput, "5 2 1 4", "5", kOutputFormat2},
        {kInput, "5 2 1 0 3", "5", kOutputFormat3},
        {kInput, "5 2 1 -4 3", "5", kOutputFormat3},
        {kInput, "5 2 1 5 3", "5", kOutputFormat3},
        {kInput, "5 2 2 4 3", "5", kNotAPermutation},
        {kInput, "6 2 1 4 3", "5", cost_differs("6", "5")},
        {kInput, "7 1 3 4 2", "5", not_optimal("7", "5")},
        {kInput, "5 2 1 4 3", "7", "99 - Біда..." + correct("10")},
        {kInput, "5 2 1 4 3", "5", correct("10")},
        {kInput, "5 2 1 4 3", "5", correct("05"), 5},
        {kInput, "5 2 1 4 3", "5", correct("100"), 100},
        {kInput, "5 2 1 4 3", "5", correct("00"), 0},
    });
}

TEST(PermJudge, GuardTurnsAFailedAllocationIntoAVerdict) {
    PermLimits two_entries;
    two_entries.table_entries = 2;
    expect_lines(
        {
            {kInput, "5 2 1 4 3", "5", kJudgingFailed},  // the table of links
            {"3 0", "0 1 2 3", "0", kJudgingFailed},     // the arrangement
            // Verdicts reached before any table outgrows the limit stay as they are.
            {"", "", "", kInputFormat1},
            {"0 0", "0", "0", correct("10")},
        },
        two_entries);
}

// Each test in its order: an earlier failure hides every later one, and the
// files are read no further than the verdict needs.
TEST(PermJudge, OrderOfTheTests) {
    expect_lines({
        {"", "", "", kInputFormat1},
        {"4 3\n1 2\n", "", "5", kInputFormat2},
        {kInput, "", "", kOutputFormat1},
        // A number out of range is reported the moment it is read.
        {kInput, "5 2 9", "5", kOutputFormat3},
        {kInput, "5 2 2 9", "5", kOutputFormat3},
        {kInput, "5 2 1 4 9", "5", kOutputFormat3},
        // A repeat is found only once all S numbers are there.
        {kInput, "5 2 2 4", "5", kOutputFormat2},
        {kInput, "6 2 1 4 2", "5", kNotAPermutation},  // the last place repeats; the claim is wrong too
        {kInput, "5 3 1 4 3", "5", kNotAPermutation},  // the first place repeats
        {kInput, "6 1 3 4 2", "5", cost_differs("6", "7")},  // the claim is tested before the jury's cost
    });
}

TEST(PermJudge, EdgeCases) {
    expect_lines({
        // S = 0: only the claim is read, and the cost is 0.
        {"0 0", "0", "0", correct("10")},
        {"0 0", "3", "0", cost_differs("3", "0")},
        {"0 0", "0", "2", "99 - Біда..." + correct("10")},
        {"0 0", "", "0", kOutputFormat1},
        // S = 1: every link joins server 1 with itself.
        {"1 2\n1 1\n1 1\n", "0 1", "0", correct("10")},
        {"1 2\n1 1\n1 1\n", "0 2", "0", kOutputFormat3},
        {"1 2\n1 1\n1 1\n", "0", "0", kOutputFormat2},
        // An empty answer file: the jury's cost is 0.
        {"1 0", "0 1", "", correct("10")},
        {kInput, "5 2 1 4 3", "", not_optimal("5", "0")},
        {kInput, "5 2 1 4 3", "x", not_optimal("5", "0")},
        // Extra numbers or text after the arrangement are never read.
        {kInput, "5 2 1 4 3 7 1 x y", "5 99", correct("10")},
        // Line ends and layout carry no meaning; numbers may carry a sign and zeros.
        {"4\r\n3\r\n1 2 2\r\n3 1 4\r\n", "+005\r\n2\r\n1\r\n4\r\n3\r\n", "005\r\n", correct("10")},
        // A link given twice counts twice; a link of a server with itself costs 0.
        {"4 4\n1 2\n1 2\n3 3\n2 3\n", "5 2 1 4 3", "5", correct("10")},
        {"4 4\n1 2\n1 2\n3 3\n2 3\n", "3 2 1 4 3", "5", cost_differs("3", "5")},
        // A C of 0 or less means no links.
        {"2 -5", "0 2 1", "0", correct("10")},
        // A negative claim never equals a cost.
        {kInput, "-5 2 1 4 3", "5", cost_differs("-5", "5")},
    });
}

// What the checker does with files that the counts and links of a well-formed
// test never produce.
TEST(PermJudge, MalformedInput) {
    expect_lines({
        {"-1 0", "0", "0", kInputFormat1},
        {"x", "0", "0", kInputFormat1},
        {"4 x", "0", "0", kInputFormat1},
        {"2147483648 0", "0", "0", kInputFormat1},
        {"2 4294967296", "0", "0", kInputFormat1},
        {"2 -2147483649", "0", "0", kInputFormat1},
        // An input that ends right after S has no links.
        {"4", "0 2 1 4 3", "0", correct("10")},
        {"4 1\n1 5", "0", "0", kInputFormat2},
        {"4 1\n0 1", "0", "0", kInputFormat2},
        {"4 1\n-1 2", "0", "0", kInputFormat2},
        {"4 1\n1 4294967297", "0", "0", kInputFormat2},
        {"4 1\nx 1", "0", "0", kInputFormat2},
        {"4 1\n1 x", "0", "0", kInputFormat2},
        {"4 1\n1", "0", "0", kInputFormat2},
        {"0 1\n1 1", "0", "0", kInputFormat2},
    });
}

TEST(PermJudge, NonNumbersInTheOutput) {
    expect_lines({
        // No claim: it counts as 0, and the arrangement starts with no number.
        {kInput, "x 2 1 4 3", "5", kOutputFormat3},
        {"0 0", "x", "0", correct("10")},
        {"0 0", "x", "1", "99 - Біда..." + correct("10")},
        // The first place holds no number.
        {kInput, "5 x 1 4 3", "5", kOutputFormat3},
        {kInput, "5 - 1 4 3", "5", kOutputFormat3},
        // After a number: every place left repeats it.
        {kInput, "5 2 x", "5", kNotAPermutation},
        {kInput, "5 2 1 4 3.0", "5", correct("10")},
        {kInput, "5 2 1 4.3", "5", kNotAPermutation},
    });
}

TEST(PermJudge, NumbersBeyond32Bits) {
    const std::string huge(5000, '9');
    expect_lines({
        {kInput, "5 4294967298 1 4 3", "5", kOutputFormat3},
        {kInput, "5 2 1 4 -4294967293", "5", kOutputFormat3},
        {kInput, "5 2 1 4 " + huge, "5", kOutputFormat3},
        // Claims compare and print exactly, never wrapped or clamped.
        {"0 0", "4294967296", "0", cost_differs("4294967296", "0")},
        {kInput, "4294967301 2 1 4 3", "5", cost_differs("4294967301", "5")},
        {kInput, "-4294967291 2 1 4 3", "5", cost_differs("-4294967291", "5")},
        {kInput, huge + " 2 1 4 3", "5", cost_differs(huge, "5")},
        {kInput, "-000" + huge + " 2 1 4 3", "5", cost_differs("-" + huge, "5")},
        {kInput, "0007 2 1 4 3", "5", cost_differs("7", "5")},
        {"0 0", "-0", "0", correct("10")},
        {"0 0", "-000", "0", correct("10")},
        {kInput, "-0 2 1 4 3", "5", cost_differs("0", "5")},
        // The jury's cost too.
        {kInput, "5 2 1 4 3", huge, "99 - Біда..." + correct("10")},
        {kInput, "5 2 1 4 3", "-" + huge, not_optimal("5", "-" + huge)},
        {kInput, "5 2 1 4 3", "4294967301", "99 - Біда..." + correct("10")},
        {kInput, "5 2 1 4 3", "-4294967291", not_optimal("5", "-4294967291")},
    });
}

// 50,000 links between the two ends of a row of 100,000 servers cost
// 4,999,950,000: more than 32 bits hold.
TEST(PermJudge, CostIsSummedIn64Bits) {
    std::string input = "100000 50000\n";
    for (int i = 0; i < 50000; ++i) input += "1 100000\n";
    std::string arrangement;
    for (int server = 1; server <= 100000; ++server) arrangement += " " + std::to_string(server);
    const Layout whole{SIZE_MAX, Reader::kDefaultBufferSize};
    EXPECT_EQ(judged_line({input, "4999950000" + arrangement, "4999950000", ""}, whole), correct("10"));
    // The same cost wrapped to 32 bits.
    EXPECT_EQ(judged_line({input, "705032704" + arrangement, "0", ""}, whole),
              cost_differs("705032704", "4999950000"));
}

// Tables grow with the numbers that arrive, not with the counts announced: a
// count of two thousand million in a short file needs no more than a few
// entries, well within a limit that any table of that size would break.
TEST(PermJudge, LargeCountsInShortFilesTakeNoMemory) {
    PermLimits small;
    small.table_entries = 1 << 20;
    expect_lines(
        {
            {"2000000000 0", "3 1 2", "3", kOutputFormat2},
            {"2147483647 0", "0 2147483647 1", "0", kOutputFormat2},
            {"3 2000000000\n1 2\n2 3\n", "2 1 2 3", "2", kInputFormat2},
            {"2000000000 2000000000\n1 2\n", "", "", kInputFormat2},
        },
        small);
}

TEST(PermJudge, VerdictValues) {
    Reader input = Reader::from_text(kInput);
    Reader output = Reader::from_text("6 2 1 4 3");
    Reader answer = Reader::from_text("4");
    const PermVerdict verdict = judge_permutation(input, output, answer);
    EXPECT_EQ(verdict.outcome, PermOutcome::CostDiffersFromClaim);
    EXPECT_EQ(verdict.claimed_res, "6");
    EXPECT_EQ(verdict.cost, 5);
    EXPECT_EQ(verdict.real_answer, "4");
}

// The lines of verdicts that the files of a test cannot easily reach.
TEST(PermJudge, ReportLines) {
    PermVerdict verdict;
    verdict.outcome = PermOutcome::NotOptimal;
    verdict.cost = 4611686014132420609;  // (2^31 - 1)^2, about the largest cost there is
    verdict.real_answer = "-2147483648";
    EXPECT_EQ(perm_report_line(verdict, 10), not_optimal("4611686014132420609", "-2147483648"));
    verdict.outcome = PermOutcome::BeatsJury;
    EXPECT_EQ(perm_report_line(verdict, -3), "99 - Біда...-3 - Правильний розв'язок.\n");
    verdict.outcome = PermOutcome::JudgingFailed;
    EXPECT_EQ(perm_report_line(verdict, 10), kJudgingFailed);
}

// The usage text names the program as it was started, or "perm-judge" when
// there is no argument vector at all; no report is written either way.
TEST(PermJudge, UsageWithoutArguments) {
    namespace fs = std::filesystem;
    const fs::path directory =
        fs::temp_directory_path() / ("perm-judge-usage-" + std::to_string(std::random_device{}()));
    ASSERT_TRUE(fs::create_directory(directory));
    const fs::path previous = fs::current_path();
    fs::current_path(directory);

    const Judging judging = [](CheckerFiles& files) {
        return perm_judge(*files.input, *files.output, *files.answer, files.max_score);
    };
    char name[] = "./bin/perm-judge";
    char* only_name[] = {name, nullptr};
    struct Start {
        int argc;
        char** argv;
        std::string shown;
    };
    const Start starts[] = {{1, only_name, "./bin/perm-judge"}, {0, nullptr, "perm-judge"}};
    for (const Start& start : starts) {
        testing::internal::CaptureStdout();
        EXPECT_EQ(run_checker(kPermJudgeStartup, start.argc, start.argv, judging), 0);
        std::fflush(stdout);
        std::string shown = testing::internal::GetCapturedStdout();
        shown.erase(std::remove(shown.begin(), shown.end(), '\r'), shown.end());  // Windows text mode
        EXPECT_EQ(shown, "usage: " + start.shown + " <max_score> <input> <output> <ans>\n");
        EXPECT_FALSE(fs::exists("report")) << "a report was created";
    }

    fs::current_path(previous);
    fs::remove_all(directory);
}

}  // namespace
}  // namespace judge
