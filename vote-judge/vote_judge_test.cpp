#include "vote_judge.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <numeric>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace judge {
namespace {

using Lists = std::vector<std::vector<std::int64_t>>;  // candidate numbers 1..n, first choice first
using Table = std::vector<std::vector<std::int64_t>>;  // table[c][s], 0-based

struct Case {
    std::string about;
    std::string input;
    std::string answer;
    std::string output;
    VoteVerdict verdict;
};

// Buffer layouts (source chunk, reader buffer): whole text at once, and tiny
// ones that split numbers and CR LF pairs.
struct Layout {
    std::size_t chunk;
    std::size_t buffer;
};
const Layout kLayouts[] = {{SIZE_MAX, Reader::kDefaultBufferSize}, {1, 2}, {3, 7}};

VoteVerdict judge_text(const std::string& input, const std::string& answer, const std::string& output,
                       Layout layout = kLayouts[0]) {
    Reader in = Reader::from_text(input, layout.chunk, layout.buffer);
    Reader ans = Reader::from_text(answer, layout.chunk, layout.buffer);
    Reader out = Reader::from_text(output, layout.chunk, layout.buffer);
    return judge_votes(in, ans, out);
}

void expect_verdicts(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        for (const Layout layout : kLayouts) {
            EXPECT_EQ(judge_text(c.input, c.answer, c.output, layout), c.verdict)
                << c.about << " (chunk " << layout.chunk << ", buffer " << layout.buffer << ")";
        }
    }
}

// The worked example: 3 candidates, 5 delegates. Stage 0 gives 2, 2, 1 votes,
// stage 1 gives 3, 2, and the last stage 5 (worked out as 3 + 2).
const std::string kInput3 = "3\n2 3\n2 2\n1\n";
const std::string kLists3 = "1 2 3\n1 3 2\n2 1 3\n2 3 1\n3 1 2\n";

TEST(VoteJudge, WorkedExample) {
    expect_verdicts({
        {"the lists agree with every count", kInput3, "5", "5\n" + kLists3, VoteVerdict::Correct},
        {"the last list 3 2 1 gives candidate 2 three votes at stage 1", kInput3, "5",
         "5\n1 2 3\n1 3 2\n2 1 3\n2 3 1\n3 2 1\n", VoteVerdict::ListsInconsistent},
        {"all on one line", kInput3, "5", "5 1 2 3 1 3 2 2 1 3 2 3 1 3 1 2", VoteVerdict::Correct},
        {"spread over lines", kInput3, "5\n", "5\n1\n2\n3 1\n3 2 2 1\n\n3 2 3 1 3\t1\n2", VoteVerdict::Correct},
        {"followed by more numbers", kInput3, "5", "5\n" + kLists3 + "4 4 4\n", VoteVerdict::Correct},
        {"followed by text", kInput3, "5", "5\n" + kLists3 + "that is all", VoteVerdict::Correct},
        {"CR LF line ends everywhere", "3\r\n2 3\r\n2 2\r\n1\r\n", "5\r\n",
         "5\r\n1 2 3\r\n1 3 2\r\n2 1 3\r\n2 3 1\r\n3 1 2\r\n", VoteVerdict::Correct},
        {"numbers with a sign and leading zeros", kInput3, "5", "+5 1 2 3 1 3 2 2 01 3 2 3 1 3 1 +2",
         VoteVerdict::Correct},
        // Read as n numbers, row 0 would swallow candidate 2's first count and
        // candidate 3 would get 0 votes at stage 0.
        {"rows 0 and 1 hold n-1 numbers each", "3 2 3 2 2 1 0", "5", "5\n" + kLists3, VoteVerdict::Correct},
    });
}

TEST(VoteJudge, CountOfDelegates) {
    expect_verdicts({
        {"empty output", kInput3, "5", "", VoteVerdict::CountUnreadable},
        {"only white space", kInput3, "5", " \r\n\t\n", VoteVerdict::CountUnreadable},
        {"a word first", kInput3, "5", "five\n" + kLists3, VoteVerdict::CountUnreadable},
        {"a sign without digits", kInput3, "5", "- 5\n" + kLists3, VoteVerdict::CountUnreadable},
        {"one too many", kInput3, "5", "6\n" + kLists3 + "1 2 3\n", VoteVerdict::CountWrong},
        {"one too few", kInput3, "5", "4\n" + kLists3, VoteVerdict::CountWrong},
        {"wrong count, bad lists", kInput3, "5", "4\n7 7 7", VoteVerdict::CountWrong},
        {"-0 equals 0", "2 0 0", "0", "-0", VoteVerdict::Correct},
        // 2^32 + 5 would wrap to 5 in 32 bits.
        {"a count beyond 32 bits never wraps", kInput3, "5", "4294967301\n" + kLists3, VoteVerdict::CountWrong},
        {"nor does the jury's", kInput3, "4294967301", "5\n" + kLists3, VoteVerdict::CountWrong},
        {"beyond 64 bits matches nothing", kInput3, "99999999999999999999", "99999999999999999999",
         VoteVerdict::CountWrong},
        {"an answer without a number counts 0", "2 0 0", "", "0", VoteVerdict::Correct},
        {"... and so does an answer with a word", "2 0 0", "none", "1 1 2", VoteVerdict::CountWrong},
    });
}

TEST(VoteJudge, Lists) {
    expect_verdicts({
        {"the output ends inside the lists", kInput3, "5", "5\n1 2 3\n1 3 2\n2 1 3\n2 3 1\n3 1", VoteVerdict::ListsUnreadable},
        {"it ends after an earlier list already repeats a number", kInput3, "5", "5\n1 1 3\n1 3 2\n2 1",
         VoteVerdict::ListsUnreadable},
        {"a word inside the lists", kInput3, "5", "5\n1 2 3\n1 3 2\n2 x 3\n2 3 1\n3 1 2\n",
         VoteVerdict::ListsUnreadable},
        {"1.5 is 1 and then no number", kInput3, "5", "5\n1.5 2 3 1 3 2 2 1 3 2 3 1 3 1 2",
         VoteVerdict::ListsUnreadable},
        {"a bad list before a word is still unreadable", kInput3, "5", "5\n0 2 3\n1 3 2\n2 1 3\n2 3 1\n3 1 ?",
         VoteVerdict::ListsUnreadable},
        {"a 0", kInput3, "5", "5\n1 2 3\n1 3 2\n0 1 3\n2 3 1\n3 1 2\n", VoteVerdict::ListsMalformed},
        {"n + 1", kInput3, "5", "5\n1 2 3\n1 3 2\n2 1 3\n2 3 1\n3 1 4\n", VoteVerdict::ListsMalformed},
        {"a negative number", kInput3, "5", "5\n-1 2 3\n1 3 2\n2 1 3\n2 3 1\n3 1 2\n", VoteVerdict::ListsMalformed},
        {"one number twice", kInput3, "5", "5\n1 2 3\n1 3 2\n2 1 3\n2 3 2\n3 1 2\n", VoteVerdict::ListsMalformed},
        {"a malformed list wins over an inconsistent one", kInput3, "5", "5\n1 1 3\n1 3 2\n2 1 3\n2 3 1\n3 2 1\n",
         VoteVerdict::ListsMalformed},
        // 2^32 + 1 would wrap to 1 in 32 bits.
        {"a number beyond 32 bits is outside 1..n", kInput3, "5", "5\n1 2 3\n1 3 2\n2 1 3\n2 3 1\n3 4294967297 2\n",
         VoteVerdict::ListsMalformed},
        {"as is one beyond 64 bits", kInput3, "5", "5\n1 2 3\n1 3 2\n2 1 3\n2 3 1\n3 18446744073709551617 2\n",
         VoteVerdict::ListsMalformed},
    });
}

TEST(VoteJudge, StageCounts) {
    expect_verdicts({
        // n = 2: one count per candidate, the last stage is their sum.
        {"n = 2, counts met", "2\n2\n1\n", "3", "3\n1 2\n2 1\n1 2\n", VoteVerdict::Correct},
        {"n = 2, candidate 2 gets 2 against 1", "2\n2\n1\n", "3", "3\n1 2\n2 1\n2 1\n",
         VoteVerdict::ListsInconsistent},
        {"n = 2, counts above the votes pass", "2\n5\n5\n", "3", "3\n1 2\n2 1\n2 1\n", VoteVerdict::Correct},
        {"fewer votes than a count pass when the stage's counts add up to more", "3\n3 4\n3 2\n1\n", "5",
         "5\n" + kLists3, VoteVerdict::Correct},
        {"a count one short at stage 1", "3\n2 3\n2 1\n1\n", "5", "5\n" + kLists3, VoteVerdict::ListsInconsistent},
        {"a count one short at stage 0", "3\n2 3\n2 2\n0\n", "5", "5\n" + kLists3, VoteVerdict::ListsInconsistent},
        {"no delegates and no negative count", "3\n0 0\n0 0\n0\n", "0", "0", VoteVerdict::Correct},
        {"no delegates against a negative count", "3\n0 0\n0 -1\n0\n", "0", "0", VoteVerdict::ListsInconsistent},
        {"counts beyond 32 bits are taken whole", "2\n4294967296\n0\n", "2", "2 1 2 1 2", VoteVerdict::Correct},
        {"a negative count beyond 32 bits fails", "2\n-4294967296\n5\n", "2", "2 1 2 1 2",
         VoteVerdict::ListsInconsistent},
    });
}

// Up to 100 candidates, counts missing from the input are 0; beyond, the
// checker stops at once and never sets aside room for numbers that are not there.
TEST(VoteJudge, ShortVoteTable) {
    expect_verdicts({
        {"missing counts are 0", "3\n2 3\n2", "2", "2\n1 2 3\n1 3 2\n", VoteVerdict::Correct},
        {"and candidate 2 may get no vote at stage 1", "3\n2 3\n2", "2", "2\n1 2 3\n2 1 3\n",
         VoteVerdict::ListsInconsistent},
        {"a word ends the table just as well", "3\n2 3\n2 x 1", "2", "2\n1 2 3\n1 3 2\n", VoteVerdict::Correct},
        {"only n", "3", "0", "0", VoteVerdict::Correct},
        {"100 candidates, no counts at all", "100", "0", "0", VoteVerdict::Correct},
        {"101 candidates, no counts at all", "101", "0", "0", VoteVerdict::VoteTableIncomplete},
        {"101 candidates, even with a wrong count", "101 1 2 3", "0", "7", VoteVerdict::VoteTableIncomplete},
        {"a trillion candidates", "1000000000000\n5 5 5", "3", "3", VoteVerdict::VoteTableIncomplete},
        {"more candidates than 64 bits hold", "99999999999999999999999 1", "0", "0",
         VoteVerdict::VoteTableIncomplete},
    });
}

TEST(VoteJudge, CandidatesOutsideTwoToHundred) {
    expect_verdicts({
        {"n = 1: the single stage counts every delegate", "1", "3", "3\n1\n1\n1\n", VoteVerdict::Correct},
        {"n = 1: a list other than 1", "1", "3", "3\n1\n2\n1\n", VoteVerdict::ListsMalformed},
        {"n = 1: a list missing", "1", "3", "3\n1\n1\n", VoteVerdict::ListsUnreadable},
        {"n = 1: nothing after n is read", "1 7 7 7", "2", "2 1 1", VoteVerdict::Correct},
        {"n = 0: no lists to read", "0", "4", "4", VoteVerdict::Correct},
        {"n = 0: whatever follows the count", "0", "4", "4 x", VoteVerdict::Correct},
        {"n = 0: still the right count first", "0", "4", "3", VoteVerdict::CountWrong},
        {"n negative", "-3 1 1", "2", "2", VoteVerdict::Correct},
        {"no n at all", "", "2", "2", VoteVerdict::Correct},
    });
}

TEST(VoteJudge, NegativeAndHugeCounts) {
    const std::string lots = "1000000000000000";  // a count of lists no file could hold
    expect_verdicts({
        {"a negative count reads no list", kInput3, "-2", "-2 junk", VoteVerdict::Correct},
        {"a negative count must still match", kInput3, "-2", "-3", VoteVerdict::CountWrong},
        {"n = 1: no delegate meets a negative single count", "1", "-2", "-2", VoteVerdict::ListsInconsistent},
        {"n = 1, no delegates", "1", "0", "0", VoteVerdict::Correct},
        {"a huge count with a few lists", kInput3, lots, lots + "\n" + kLists3, VoteVerdict::ListsUnreadable},
        {"the largest 64-bit count", "2 1 1", "9223372036854775807", "9223372036854775807 1 2",
         VoteVerdict::ListsUnreadable},
        {"n = 0 with a huge count", "0", lots, lots, VoteVerdict::Correct},
    });
}

// ---------------------------------------------------------------------------
// Cross-check against the straightforward replay.

// The stage tallies, replayed by searching every list from its first place:
// tally[s][c] for the candidates c = 0 .. n-1-s in the race.
Table plain_tallies(std::int64_t n, const Lists& lists) {
    Table tally(n, std::vector<std::int64_t>(n, 0));
    for (std::int64_t s = 0; s < n; ++s) {
        for (const auto& list : lists) {
            std::size_t k = 0;
            while (list[k] - 1 >= n - s) ++k;
            ++tally[s][list[k] - 1];
        }
    }
    return tally;
}

// The judging written the plain way: the whole table, every list stored,
// validated once all are read, every stage replayed by plain_tallies.
VoteVerdict plain_verdict(const std::string& input_text, const std::string& answer_text,
                          const std::string& output_text) {
    Reader input = Reader::from_text(input_text);
    Reader answer = Reader::from_text(answer_text);
    Reader output = Reader::from_text(output_text);
    ScannedInt x;
    std::int64_t n = 0;
    if (input.read_int(x) == Scan::Number) n = x.as_int64();
    Table a(std::max<std::int64_t>(n, 0), std::vector<std::int64_t>(std::max<std::int64_t>(n, 0), 0));
    bool reading = true;
    for (std::int64_t c = 0; c < n; ++c) {
        for (std::int64_t s = 0; s < (c == 0 ? n - 1 : n - c); ++s) {
            if (reading && input.read_int(x) == Scan::Number) {
                a[c][s] = x.as_int64();
            } else {
                reading = false;
                if (n > 100) return VoteVerdict::VoteTableIncomplete;
            }
        }
    }
    std::int64_t ans = 0;
    if (answer.read_int(x) == Scan::Number) ans = x.as_int64();
    if (n >= 2) a[0][n - 1] = a[0][n - 2] + a[1][n - 2];
    if (n == 1) a[0][0] = ans;

    if (output.read_int(x) != Scan::Number) return VoteVerdict::CountUnreadable;
    const std::int64_t m = x.as_int64();
    if (m != ans) return VoteVerdict::CountWrong;
    Lists d(std::max<std::int64_t>(m, 0), std::vector<std::int64_t>(std::max<std::int64_t>(n, 0)));
    for (auto& list : d) {
        for (auto& place : list) {
            if (output.read_int(x) != Scan::Number) return VoteVerdict::ListsUnreadable;
            place = x.as_int64();
        }
    }
    for (const auto& list : d) {
        std::vector<bool> b(n + 2, false);
        for (const std::int64_t place : list) {
            if (place < 1 || place > n || b[place]) return VoteVerdict::ListsMalformed;
            b[place] = true;
        }
    }
    const Table tally = plain_tallies(n, d);
    for (std::int64_t s = 0; s < n; ++s) {
        for (std::int64_t c = 0; c <= n - 1 - s; ++c) {
            if (tally[s][c] > a[c][s]) return VoteVerdict::ListsInconsistent;
        }
    }
    return VoteVerdict::Correct;
}

// The input file's numbers for a table: n, then row 0 up to the stage before
// the last, then every other row whole.
std::vector<std::int64_t> input_numbers(std::int64_t n, const Table& a) {
    std::vector<std::int64_t> numbers{n};
    for (std::int64_t c = 0; c < n; ++c) {
        for (std::int64_t s = 0; s < (c == 0 ? n - 1 : n - c); ++s) numbers.push_back(a[c][s]);
    }
    return numbers;
}

// Joins numbers with separators drawn at random, line ends among them.
std::string join(const std::vector<std::int64_t>& numbers, std::mt19937& random) {
    const char* separators[] = {" ", " ", "\n", "\r\n", "\t", "  \n "};
    std::string text;
    for (const std::int64_t number : numbers) text += std::to_string(number) + separators[random() % 6];
    return text;
}

TEST(VoteJudge, AgreesWithAStageByStageReplay) {
    std::mt19937 random(5);
    std::set<VoteVerdict> seen;
    for (int round = 0; round < 3000; ++round) {
        // A few rounds beyond 100 candidates; the rest small, where every
        // list order and every stage can be met.
        const std::int64_t n = round % 100 == 0 ? 101 + random() % 20 : 1 + random() % 6;
        const std::int64_t m = random() % (n > 100 ? 12 : 7);
        Lists lists(m, std::vector<std::int64_t>(n));
        for (auto& list : lists) {
            std::iota(list.begin(), list.end(), 1);
            if (random() % 4 == 0) {
                std::reverse(list.begin(), list.end());
            } else {
                std::shuffle(list.begin(), list.end(), random);
            }
        }

        // The true counts, then a change to some of them now and again.
        const Table tally = plain_tallies(n, lists);
        Table a(n, std::vector<std::int64_t>(n, 0));
        for (std::int64_t s = 0; s < n; ++s) {
            for (std::int64_t c = 0; c <= n - 1 - s; ++c) a[c][s] = tally[s][c];
        }
        if (random() % 2 == 0) {
            const std::int64_t c = random() % n;
            const std::int64_t s = random() % (n - c);
            a[c][s] += static_cast<std::int64_t>(random() % 5) - 2;
        }
        std::vector<std::int64_t> input = input_numbers(n, a);
        if (random() % 8 == 0) input.resize(random() % input.size() + 1);  // a short table

        // The contestant's lists: now and again one swapped, broken or cut short.
        Lists written = lists;
        if (m > 0 && random() % 3 == 0) {
            auto& list = written[random() % m];
            const std::size_t i = random() % n;
            const std::size_t j = random() % n;
            switch (random() % 3) {
            case 0: std::swap(list[i], list[j]); break;
            case 1: list[i] = list[j]; break;
            case 2: list[i] = static_cast<std::int64_t>(random() % (n + 3)) - 1; break;
            }
        }
        std::int64_t claimed = m;
        if (random() % 10 == 0) claimed += random() % 2 == 0 ? 1 : -1;
        std::vector<std::int64_t> output{claimed};
        for (const auto& list : written) output.insert(output.end(), list.begin(), list.end());
        if (random() % 10 == 0) output.resize(random() % output.size() + 1);

        const std::string input_text = join(input, random);
        const std::string answer_text = std::to_string(m) + "\n";
        std::string output_text = join(output, random);
        if (random() % 10 == 0) output_text += "x";
        if (random() % 50 == 0) output_text.insert(0, "?");

        const VoteVerdict expected = plain_verdict(input_text, answer_text, output_text);
        seen.insert(expected);
        const Layout layout = kLayouts[round % 3];
        ASSERT_EQ(judge_text(input_text, answer_text, output_text, layout), expected)
            << "round " << round << "\ninput: " << input_text << "\nanswer: " << answer_text
            << "\noutput: " << output_text;
    }
    // The rounds must have reached every verdict, or they prove little.
    EXPECT_EQ(seen.size(), 7u);
}

TEST(VoteJudge, ReportLines) {
    EXPECT_EQ(vote_report_line(VoteVerdict::CountUnreadable, 10), " 0 - Не вдалося зчитати кількість делегатів.\n");
    EXPECT_EQ(vote_report_line(VoteVerdict::CountWrong, 10), " 0 - Неправильна кількість делегатів.\n");
    EXPECT_EQ(vote_report_line(VoteVerdict::ListsUnreadable, 10),
              "04 - Правильна кількість делегатів; не вдалося зчитати вподобання.\n");
    EXPECT_EQ(vote_report_line(VoteVerdict::ListsMalformed, 10),
              "04 - Правильна кількість делегатів; вподобання задано некоректно.\n");
    EXPECT_EQ(vote_report_line(VoteVerdict::ListsInconsistent, 10),
              "04 - Правильна кількість делегатів, але неправильні вподобання.\n");
    EXPECT_EQ(vote_report_line(VoteVerdict::Correct, 10), "10 - Правильна відповідь.\n");
    EXPECT_EQ(vote_report_line(VoteVerdict::VoteTableIncomplete, 10),
              " 0 - Таблиця голосів у вхідному файлі неповна.\n");

    EXPECT_EQ(vote_report_line(VoteVerdict::Correct, 5), "05 - Правильна відповідь.\n");
    EXPECT_EQ(vote_report_line(VoteVerdict::Correct, 100), "100 - Правильна відповідь.\n");
    EXPECT_EQ(vote_report_line(VoteVerdict::Correct, 0), "00 - Правильна відповідь.\n");
    EXPECT_EQ(vote_report_line(VoteVerdict::ListsMalformed, 7),
              "02 - Правильна кількість делегатів; вподобання задано некоректно.\n");
    EXPECT_EQ(vote_report_line(VoteVerdict::ListsInconsistent, 2),
              "00 - Правильна кількість делегатів, але неправильні вподобання.\n");
    EXPECT_EQ(vote_report_line(VoteVerdict::ListsUnreadable, 100),
              "40 - Правильна кількість делегатів; не вдалося зчитати вподобання.\n");
    EXPECT_EQ(vote_report_line(VoteVerdict::CountWrong, 100), " 0 - Неправильна кількість делегатів.\n");
}

TEST(VoteJudge, PartScoreIsTwoFifthsTruncatedTowardZero) {
    const struct {
        std::int32_t max_score;
        std::int32_t part_score;
    } cases[] = {
        {10, 4}, {7, 2}, {5, 2}, {3, 1}, {2, 0}, {1, 0}, {0, 0}, {100, 40}, {-7, -2},
        {INT32_MAX, 858993458}, {INT32_MIN, -858993459},
    };
    for (const auto& c : cases) EXPECT_EQ(part_score_for(c.max_score), c.part_score) << c.max_score;
}

}  // namespace
}  // namespace judge
