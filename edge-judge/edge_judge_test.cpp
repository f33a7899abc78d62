#include "edge_judge.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace judge {
namespace {

using O = EdgeOutcome;

struct Case {
    std::string input;
    std::string output;
    EdgeOutcome outcome;
    std::int64_t accepted = -1;  // pairs accepted before the verdict; -1: not checked
};

const char* name(EdgeOutcome outcome) {
    switch (outcome) {
    case O::Unreadable: return "Unreadable";
    case O::BadEdge: return "BadEdge";
    case O::LargerFirst: return "LargerFirst";
    case O::WrongOrder: return "WrongOrder";
    case O::ExtraNumbers: return "ExtraNumbers";
    case O::Correct: return "Correct";
    }
    return "?";
}

// Runs the case with whole buffers and with tiny ones fed in odd chunks, so
// that lines, numbers and CR LF pairs are split at every possible place.
void expect_verdict(const Case& c) {
    struct Buffers {
        std::size_t chunk;
        std::size_t size;
    };
    const Buffers configurations[] = {{SIZE_MAX, Reader::kDefaultBufferSize}, {1, 2}, {SIZE_MAX, 3}, {7, 5}, {3, 64}};
    for (const Buffers& buffers : configurations) {
        Reader input = Reader::from_text(c.input, buffers.chunk, buffers.size);
        Reader output = Reader::from_text(c.output, buffers.chunk, buffers.size);
        const EdgeVerdict verdict = judge_edges(input, output);
        const std::string where = "input \"" + c.input + "\", output \"" + c.output + "\", buffer " +
                                  std::to_string(buffers.size) + ", chunk " + std::to_string(buffers.chunk);
        EXPECT_STREQ(name(verdict.outcome), name(c.outcome)) << where;
        if (c.accepted >= 0) {
            EXPECT_EQ(verdict.accepted, c.accepted) << where;
        }
    }
}

void expect_verdicts(const std::vector<Case>& cases) {
    for (const Case& c : cases) expect_verdict(c);
}

const std::string kTriangle = "3\n2 3\n1 3\n1 2\n";

TEST(EdgeJudge, Triangle) {
    expect_verdicts({
        {kTriangle, "1 2\n1 3\n2 3\n", O::Correct, 3},
        {kTriangle, "1 2 1 3 2 3", O::Correct},
        {kTriangle, "1\n2 1\n3 2\n3", O::Correct},  // a pair may be split over lines
        {kTriangle, "1 3\n1 2\n2 3\n", O::WrongOrder, 0},
        {kTriangle, "1 2\n2 3\n1 3\n", O::WrongOrder, 1},
        {kTriangle, "1 2\n1 3\n", O::Unreadable, 2},
        {kTriangle, "1 2\n1 3\n2 3\n1 2\n", O::ExtraNumbers, 3},
    });
}

TEST(EdgeJudge, EveryOrderThatAgreesWithTheListsIsAccepted) {
    const std::string two_edges = "4\n2\n1\n4\n3\n";
    expect_verdicts({
        {two_edges, "1 2\n3 4\n", O::Correct},
        {two_edges, "3 4\n1 2\n", O::Correct},
        {two_edges, "1 2\n1 2\n", O::WrongOrder, 1},
    });
}

TEST(EdgeJudge, RepeatedEdgeMustBePrintedAsOftenAsListed) {
    const std::string repeated = "2\n2 2\n1 1\n";
    expect_verdicts({
        {repeated, "1 2\n1 2\n", O::Correct, 2},
        {repeated, "1 2\n", O::Unreadable, 1},
        {repeated, "1 2\n1 2\n1 2\n", O::ExtraNumbers, 2},
    });
}

// Range first, then the order of the two ends, then the queues.
TEST(EdgeJudge, OrderOfTheTests) {
    expect_verdicts({
        {kTriangle, "4 1", O::BadEdge, 0},
        {kTriangle, "1 4", O::BadEdge, 0},
        {kTriangle, "0 1", O::BadEdge, 0},
        {kTriangle, "-1 2", O::BadEdge, 0},
        {kTriangle, "2 2", O::BadEdge, 0},
        {kTriangle, "3 1", O::LargerFirst, 0},      // 1 and 3 are neighbours
        {"3\n2\n1\n\n", "3 1", O::LargerFirst, 0},  // 1 and 3 are not
        {"3\n2\n1\n\n", "1 3", O::WrongOrder, 0},
        {kTriangle, "1 2 3 3", O::BadEdge, 1},      // the first pair that fails decides
        {kTriangle, "1 2 x", O::Unreadable, 1},
        {kTriangle, "1 3 x", O::WrongOrder, 0},     // what follows it is never read
    });
}

TEST(EdgeJudge, ReadingThePairs) {
    expect_verdicts({
        {kTriangle, "", O::Unreadable, 0},
        {kTriangle, "  \n\n", O::Unreadable, 0},
        {kTriangle, "1", O::Unreadable, 0},             // ends after the first number of a pair
        {kTriangle, "1 2\nedge 1 3", O::Unreadable, 1},  // a word where a pair is due
        {kTriangle, "1 x", O::Unreadable, 0},
        {kTriangle, "1 - 2", O::Unreadable, 0},         // a sign without a digit is no number
        {kTriangle, "+1 +2 01 003 2 3", O::Correct},    // signs and leading zeros
        {kTriangle, "1,2", O::Unreadable, 0},
        {kTriangle, "1\r\n2\r\n1 3\r\n2 3\r\n\r\n", O::Correct},
    });
}

TEST(EdgeJudge, AfterTheLastPair) {
    const std::string pairs = "1 2\n1 3\n2 3";
    expect_verdicts({
        {kTriangle, pairs + "\n\n\n   \t", O::Correct},
        {kTriangle, pairs + "\nend 5", O::Correct},  // text that does not begin an integer
        {kTriangle, pairs + " - 5", O::Correct},
        {kTriangle, pairs + " 0", O::ExtraNumbers},
        {kTriangle, pairs + " -7", O::ExtraNumbers},
        {kTriangle, pairs + " " + std::string(100, '9'), O::ExtraNumbers},
        {kTriangle, pairs + "1", O::BadEdge, 2},  // "31" is the second end of the last pair
    });
}

TEST(EdgeJudge, GraphWithoutEdges) {
    for (const char* input : {"", "0\n", "0", "x\n2 3\n", "\n\n", "-5\n1\n", "1\n\n"}) {
        expect_verdicts({
            {input, "", O::Correct, 0},
            {input, " \r\n\t\n", O::Correct, 0},
            {input, "garbage 1 2", O::Correct, 0},
            {input, "1", O::ExtraNumbers, 0},
            {input, "-3", O::ExtraNumbers, 0},
        });
    }
}

// The count of vertices is read as "%d\n" reads it: all white space after it,
// blank lines included, is passed over before the first adjacency line.
TEST(EdgeJudge, WhiteSpaceAfterTheCountOfVertices) {
    expect_verdicts({
        {"  3 \n\n\n\t 2 3\n1 3\n1 2\n", "1 2 1 3 2 3", O::Correct},
        {"3 2 3\n1 3\n1 2\n", "1 2 1 3 2 3", O::Correct},  // the first line may even follow on n's line
        // An empty first adjacency line is passed over as well: vertex 2's
        // line becomes vertex 1's, and so on.
        {"3\n\n3\n2\n", "2 3", O::WrongOrder, 0},
        {"3\n\n3\n2\n", "1 3", O::WrongOrder, 0},
    });
}

TEST(EdgeJudge, BlanksAndTabsWithinAdjacencyLines) {
    expect_verdicts({
        {"3\n2  3\n\t1\t\t3 \n  1 2\t\n", "1 2 1 3 2 3", O::Correct},
        {"3\n2 3   \n1 3\n1 2\n", "1 2 1 3 2 3", O::Correct},
        {"3\r\n2 3\r\n1 3\r\n1 2\r\n", "1 2 1 3 2 3", O::Correct},
        {"3\r\n2 3 \r\n1\r3\r\n1 2\r\n", "1 2 1 3 2 3", O::Correct},  // a lone CR separates too
        {"3\r\n2 3\r\n1 3\r\n1 2\r\n", "1 3", O::WrongOrder},
    });
}

// An empty line after the first one is a vertex without neighbours; it adds
// no entry and no edge.
TEST(EdgeJudge, EmptyLinesAreVerticesWithoutNeighbours) {
    expect_verdicts({
        {"4\n4\n\n\n1\n", "1 4", O::Correct, 1},
        {"4\n4\n\n\n1\n", "1 4 1 4", O::ExtraNumbers, 1},
        {"4\n4\n   \n\t\n1\n", "1 4", O::Correct},
        {"4\r\n4\r\n\r\n\r\n1\r\n", "1 4", O::Correct},
        {"4\n2\n1\n\n\n", "1 2", O::Correct},
        {"4\n4\n\n\n1\n", "2 3", O::WrongOrder},
    });
}

// The input may end early: an unfinished last line counts as ended, and the
// vertices whose lines are missing have no neighbours.
TEST(EdgeJudge, ShortInput) {
    expect_verdicts({
        {"3\n2 3\n1 3\n1 2", "1 2 1 3 2 3", O::Correct},  // no line end after the last line
        {"3\n2 3\n1", "1 2", O::Correct, 1},              // 3 entries: one edge
        {"3\n2 3\n1 3", "1 2 1 3", O::WrongOrder, 1},     // vertex 3's line is missing
        {"3\n2 3\n1\n", "1 2", O::Correct, 1},
        {"3\n2 3\n", "1 2", O::WrongOrder, 0},            // so is vertex 2's
        {"3\n", "", O::Correct, 0},
        {"3", "1 2", O::ExtraNumbers, 0},
    });
}

// Vertices past the last line read have empty queues; none are set up ahead,
// so a huge count of vertices in a small file costs nothing.
TEST(EdgeJudge, HugeCountOfVerticesInAShortInput) {
    const std::string input = "2000000000\n2\n1\n";
    expect_verdicts({
        {input, "1 2", O::Correct},
        {input, "1 2000000000", O::WrongOrder},
        {input, "1999999999 2000000000", O::WrongOrder},
        {input, "1 2000000001", O::BadEdge},
        {"99999999999999999999999\n2\n1\n", "1 2", O::Correct},
    });
}

// Numbers are never wrapped at 32 bits.
TEST(EdgeJudge, NumbersBeyond32Bits) {
    expect_verdicts({
        {kTriangle, "1 4294967298", O::BadEdge, 0},      // would wrap to 2
        {kTriangle, "4294967297 2", O::BadEdge, 0},      // would wrap to 1
        {kTriangle, "-4294967295 2", O::BadEdge, 0},     // would wrap to 1
        {"5000000000\n2\n1\n", "1 4294967298", O::BadEdge, 0},
        {kTriangle, "1 2 1 3 2 " + std::string(40, '3'), O::BadEdge, 2},
        {kTriangle, "1 0000000000000000000002 1 3 2 3", O::Correct},
        // A neighbour in the input beyond 32 bits is no vertex at all.
        {"2\n4294967298\n1\n", "1 2", O::WrongOrder, 0},
        {"2\n18446744073709551618\n1\n", "1 2", O::WrongOrder, 0},  // 2 beyond 64 bits
        {"2\n" + std::string(30, '9') + "\n1\n", "1 2", O::WrongOrder, 0},
    });
}

// Words in an adjacency line that are not numbers, and numbers outside
// 1..n, are entries that no pair matches; they still count towards the edges.
TEST(EdgeJudge, NeighboursThatAreNoVertex) {
    expect_verdicts({
        {"2\n2x\n1\n", "1 2", O::WrongOrder, 0},
        {"2\n+2\n1\n", "1 2", O::WrongOrder, 0},
        {"2\n0 2\n1 3\n", "1 2", O::WrongOrder, 0},
        {"2\n2 0\n1 3\n", "1 2 1 2", O::WrongOrder, 1},
        {"2\n2 0\n1 3\n", "1 2", O::Unreadable, 1},  // 4 entries: two edges
        {"2\n02\n001\n", "1 2", O::Correct},
    });
}

TEST(EdgeJudge, NothingAfterTheLastAdjacencyLineIsRead) {
    expect_verdicts({
        {"2\n2\n1\n1 2\n3 4 5\n", "1 2", O::Correct},
        {"2\n2\n1\n\n\n7", "1 2", O::Correct},
    });
}

// A cycle of 150 edges, longer than the pairs the judging reads at a time:
// the pair that decides must be found wherever it stands.
TEST(EdgeJudge, LongOutputsAreJudgedPairByPair) {
    const int n = 150;
    std::string input = std::to_string(n) + "\n2 150\n";
    for (int v = 2; v < n; ++v) input += std::to_string(v - 1) + " " + std::to_string(v + 1) + "\n";
    input += "149 1\n";
    std::vector<std::string> pairs;
    for (int v = 1; v < n; ++v) pairs.push_back(std::to_string(v) + " " + std::to_string(v + 1));
    pairs.push_back("1 150");
    auto join = [](const std::vector<std::string>& items) {
        std::string text;
        for (const std::string& item : items) text += item + "\n";
        return text;
    };

    expect_verdict({input, join(pairs), O::Correct, n});
    expect_verdict({input, join(pairs) + "7", O::ExtraNumbers, n});
    for (const int at : {0, 1, 62, 63, 64, 65, 127, 128, 129, 148}) {
        std::vector<std::string> cut(pairs.begin(), pairs.begin() + at);
        expect_verdict({input, join(cut), O::Unreadable, at});
        expect_verdict({input, join(cut) + "x", O::Unreadable, at});
        std::vector<std::string> changed = pairs;
        std::swap(changed[static_cast<std::size_t>(at)], changed[static_cast<std::size_t>(at) + 1]);
        expect_verdict({input, join(changed), O::WrongOrder, at});
        changed = pairs;
        changed[static_cast<std::size_t>(at)] = "151 1";
        expect_verdict({input, join(changed), O::BadEdge, at});
        changed[static_cast<std::size_t>(at)] = "3 2";
        expect_verdict({input, join(changed), O::LargerFirst, at});
    }
}

// The adjacency queues as plain per-vertex deques, to judge random outputs by.
EdgeVerdict plain_verdict(int n, const std::vector<std::vector<int>>& lists, const std::vector<std::pair<int, int>>& pairs) {
    std::vector<std::deque<int>> queues;
    std::int64_t entries = 0;
    for (const auto& list : lists) {
        queues.emplace_back(list.begin(), list.end());
        entries += static_cast<std::int64_t>(list.size());
    }
    const std::int64_t edges = entries / 2;
    std::int64_t accepted = 0;
    for (; accepted < edges; ++accepted) {
        if (accepted >= static_cast<std::int64_t>(pairs.size())) return {O::Unreadable, accepted};
        const auto [u, v] = pairs[static_cast<std::size_t>(accepted)];
        if (u <= 0 || v <= 0 || u > n || v > n || u == v) return {O::BadEdge, accepted};
        if (u > v) return {O::LargerFirst, accepted};
        auto& at_u = queues[static_cast<std::size_t>(u - 1)];
        auto& at_v = queues[static_cast<std::size_t>(v - 1)];
        if (at_u.empty() || at_u.front() != v || at_v.empty() || at_v.front() != u) return {O::WrongOrder, accepted};
        at_u.pop_front();
        at_v.pop_front();
    }
    return {accepted < static_cast<std::int64_t>(pairs.size()) ? O::ExtraNumbers : O::Correct, accepted};
}

// Random multigraphs whose lines follow a random edge order: that order must
// pass, and outputs with a change somewhere must get the verdict of the plain
// queues, at the same pair.
TEST(EdgeJudge, AgreesWithPlainQueuesOnRandomGraphs) {
    std::mt19937 random(4);
    for (int round = 0; round < 200; ++round) {
        const int n = 2 + static_cast<int>(random() % 8);
        const int edge_count = static_cast<int>(random() % 25);
        std::vector<std::pair<int, int>> pairs;
        std::vector<std::vector<int>> lists(static_cast<std::size_t>(n));
        for (int e = 0; e < edge_count; ++e) {
            const int a = 1 + static_cast<int>(random() % static_cast<unsigned>(n));
            int b = 1 + static_cast<int>(random() % static_cast<unsigned>(n - 1));
            if (b >= a) ++b;
            pairs.emplace_back(std::min(a, b), std::max(a, b));
            lists[static_cast<std::size_t>(a - 1)].push_back(b);
            lists[static_cast<std::size_t>(b - 1)].push_back(a);
        }
        if (lists[0].empty()) continue;  // an empty first line would be passed over
        std::string input = std::to_string(n) + (round % 2 ? "\r\n" : "\n");
        for (const auto& list : lists) {
            for (std::size_t i = 0; i < list.size(); ++i) input += (i ? " " : "") + std::to_string(list[i]);
            input += round % 2 ? "\r\n" : "\n";
        }
        switch (round % 4) {
        case 0: break;
        case 1: std::swap(pairs[random() % pairs.size()], pairs[random() % pairs.size()]); break;
        case 2: pairs.erase(pairs.begin() + static_cast<long>(random() % pairs.size())); break;
        case 3: pairs.insert(pairs.begin() + static_cast<long>(random() % pairs.size()), {1, n}); break;
        }
        std::string output;
        for (const auto& [u, v] : pairs) output += std::to_string(u) + " " + std::to_string(v) + "\n";
        const EdgeVerdict expected = plain_verdict(n, lists, pairs);
        expect_verdict({input, output, expected.outcome, expected.accepted});
        if (round % 4 == 0) {
            EXPECT_EQ(expected.outcome, O::Correct);
        }
    }
}

TEST(EdgeJudge, ReportLines) {
    struct Line {
        EdgeOutcome outcome;
        std::int32_t max_score;
        std::string text;
    };
    const std::vector<Line> lines = {
        {O::Unreadable, 5, " 0 - Не вдалося зчитати потрібну кількість ребер.\n"},
        {O::BadEdge, 5, " 0 - Неправильний опис ребра.\n"},
        {O::LargerFirst, 5, " 0 - Першою в описі ребра вказано вершину з більшим номером.\n"},
        {O::WrongOrder, 5, " 0 - Неправильна відповідь.\n"},
        {O::ExtraNumbers, 5, " 0 - Зайві числа у файлі.\n"},
        {O::Correct, 5, "05 - Правильна відповідь.\n"},
        {O::Correct, 10, "10 - Правильна відповідь.\n"},
        {O::Correct, 100, "100 - Правильна відповідь.\n"},
        {O::Correct, 0, "00 - Правильна відповідь.\n"},
    };
    for (const Line& line : lines) {
        EXPECT_EQ(edge_report_line({line.outcome, 0}, line.max_score), line.text) << name(line.outcome);
    }
}

}  // namespace
}  // namespace judge
