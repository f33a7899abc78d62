#include "vote_judge.h"

#include <limits>
#include <string_view>
#include <vector>

#include "message.h"

namespace judge {

namespace {

// Which score a message's "%02d" field takes; verdicts that always score 0
// carry the 0 in their text.
enum class Score { None, Part, Full };

struct VoteMessage {
    VoteVerdict verdict;
    Score score;
    std::string_view text;
};

constexpr VoteMessage kVoteMessages[] = {
    {VoteVerdict::CountUnreadable, Score::None, " 0 - Не вдалося зчитати кількість делегатів.\n"},
    {VoteVerdict::CountWrong, Score::None, " 0 - Неправильна кількість делегатів.\n"},
    {VoteVerdict::ListsUnreadable, Score::Part,
     "%02d - Правильна кількість делегатів; не вдалося зчитати вподобання.\n"},
    {VoteVerdict::ListsMalformed, Score::Part, "%02d - Правильна кількість делегатів; вподобання задано некоректно.\n"},
    {VoteVerdict::ListsInconsistent, Score::Part,
     "%02d - Правильна кількість делегатів, але неправильні вподобання.\n"},
    {VoteVerdict::Correct, Score::Full, "%02d - Правильна відповідь.\n"},
    {VoteVerdict::VoteTableIncomplete, Score::None, " 0 - Таблиця голосів у вхідному файлі неповна.\n"},
};

constexpr bool all_encodable() {
    for (const VoteMessage& message : kVoteMessages) {
        if (!cp1251::encodable(message.text)) return false;
    }
    return true;
}
static_assert(all_encodable(), "every vote-judge message must be writable in Windows-1251");

constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();

// The jury's numbers are trusted and taken at their exact value; only one
// beyond the 64-bit range, which no real count reaches, is clamped to it.
std::int64_t jury_value(const ScannedInt& number) {
    if (number.fits_int64()) return number.as_int64();
    return number.negative ? kMin : kMax;
}

std::int64_t add_clamped(std::int64_t x, std::int64_t y) {
    std::int64_t sum = 0;
    if (__builtin_add_overflow(x, y, &sum)) return y > 0 ? kMax : kMin;
    return sum;
}

// The counts of two files agree only as exact values: a count beyond the
// 64-bit range matches nothing, so nothing can wrap into agreement.
bool same_count(const ScannedInt& m, const ScannedInt& ans) {
    return m.fits_int64() && ans.fits_int64() && m.as_int64() == ans.as_int64();
}

// The election of the input: n candidates and the vote table a, where a[c][s]
// is the votes of candidate c at stage s for every stage s = 0 .. n-1-c in
// which c is in the race. The rows are stored one after the other, row c
// holding n - c cells.
struct Election {
    std::int64_t n = 0;
    std::vector<std::int64_t> a;

    // Rows 0 .. c-1 hold n + (n-1) + ... + (n-c+1) cells. Only used once the
    // table is whole, so c * n stays far inside 64 bits.
    std::int64_t row_start(std::int64_t c) const { return c * n - c * (c - 1) / 2; }

    // The votes cast at stage s: a[c][s] over the candidates c = 0 .. n-1-s
    // still in the race; 0 when there is none.
    std::int64_t getSum(std::int64_t s) const {
        std::int64_t sum = 0;
        for (std::int64_t c = 0; c <= n - 1 - s; ++c) sum = add_clamped(sum, a[row_start(c) + s]);
        return sum;
    }
};

// Reads n and the vote table. In the file, row 0 stops before the last stage
// (its count follows from the stage before) and every later row covers all
// stages of its candidate, so the first two rows hold n-1 numbers each. The
// table grows as its numbers arrive, never ahead of them. Returns false when
// the table breaks off and there are too many candidates to fill it in.
bool read_election(Reader& input, Election& election) {
    ScannedInt number;
    if (input.read_int(number) == Scan::Number) election.n = jury_value(number);
    const std::int64_t n = election.n;
    // A read that yields no number leaves the text unread, so once one read
    // has failed, every later one would fail too.
    bool reading = true;
    for (std::int64_t c = 0; c < n; ++c) {
        const std::int64_t numbers_in_row = c == 0 ? n - 1 : n - c;
        for (std::int64_t s = 0; s < numbers_in_row; ++s) {
            if (reading && input.read_int(number) == Scan::Number) {
                election.a.push_back(jury_value(number));
                continue;
            }
            reading = false;
            if (n > kZeroFilledCandidates) return false;
            election.a.push_back(0);
        }
        if (c == 0) election.a.push_back(0);  // a[0][n-1], the last stage, set once known
    }
    return true;
}

// Reads the m lists and replays the election over them.
//
// At each stage a delegate votes for the first candidate of its list still in
// the race. Candidates leave from the highest number down, so that candidate
// only moves further down the list: the delegate votes in turn for each
// number of its list that is lower than every number before it, each from
// the stage at which the one before it has left up to the stage at which it
// leaves itself. Noting these starts while the lists stream by leaves a
// replay over the table alone: time in proportion to the lists and the
// table, memory to the table, however many lists there are.
VoteVerdict judge_lists(Reader& output, const Election& election, std::int64_t m) {
    const std::int64_t n = election.n;
    if (n <= 0) return VoteVerdict::Correct;  // no candidate: empty lists, no stage

    // starts[c][s], laid out like a: how many delegates start voting for
    // candidate c at stage s.
    std::vector<std::int64_t> starts(election.a.size(), 0);
    // b[c] == p: candidate c already occurred in delegate p's list. Marking
    // with the delegate saves clearing the flags before every list.
    std::vector<std::int64_t> b(static_cast<std::size_t>(n), -1);
    bool malformed = false;  // told only once every list has been read
    const auto candidates = static_cast<std::uint64_t>(n);
    ScannedInt number;
    for (std::int64_t p = 0; p < m; ++p) {
        std::int64_t best = n;  // the lowest candidate in the list so far; n: none yet
        for (std::int64_t k = 0; k < n; ++k) {
            if (output.read_int(number) != Scan::Number) return VoteVerdict::ListsUnreadable;
            // 1..n, tested on the fields: this runs for every list number. A
            // number beyond 64 bits is outside as surely as 0 is; 0 - 1 wraps
            // to the largest magnitude.
            if (!number.exact || number.negative || number.magnitude - 1 >= candidates) {
                malformed = true;
                continue;
            }
            const auto d = static_cast<std::int64_t>(number.magnitude - 1);  // the candidate at place k
            if (b[d] == p) {
                malformed = true;
                continue;
            }
            b[d] = p;
            if (d < best) {
                // The delegate votes for d from the stage at which best leaves.
                ++starts[election.row_start(d) + (n - best)];
                best = d;
            }
        }
    }
    if (malformed) return VoteVerdict::ListsMalformed;

    // Every stage adds the delegates that start voting for c there to the
    // ones already voting for it. Which stage fails first makes no difference
    // to the verdict, so the table is walked row by row, as it is stored.
    for (std::int64_t c = 0; c < n; ++c) {
        const std::int64_t row = election.row_start(c);
        std::int64_t v = 0;  // the votes of c at stage s
        for (std::int64_t s = 0; s <= n - 1 - c; ++s) {
            v += starts[row + s];
            if (v > election.a[row + s]) return VoteVerdict::ListsInconsistent;
        }
    }
    return VoteVerdict::Correct;
}

}  // namespace

VoteVerdict judge_votes(Reader& input, Reader& answer, Reader& output) {
    Election election;
    if (!read_election(input, election)) return VoteVerdict::VoteTableIncomplete;
    const std::int64_t n = election.n;

    ScannedInt ans;  // stays 0 when the answer holds no number
    answer.read_int(ans);

    // At the last stage candidate 1 is alone and gets every vote: as many as
    // candidates 1 and 2 shared at the stage before, or, with one candidate
    // and so one stage, the jury's number of delegates. a[0][n-1] is cell
    // n-1 of row 0.
    if (n >= 2) {
        election.a[n - 1] = election.getSum(n - 2);
    } else if (n == 1) {
        election.a[0] = jury_value(ans);
    }

    ScannedInt m;
    if (output.read_int(m) != Scan::Number) return VoteVerdict::CountUnreadable;
    if (!same_count(m, ans)) return VoteVerdict::CountWrong;
    // A count of 0 or less has no lists to read.
    return judge_lists(output, election, m.as_int64());
}

std::int32_t part_score_for(std::int32_t max_score) {
    // In 64 bits, 2 * max_score cannot overflow; C++ division truncates toward zero.
    return static_cast<std::int32_t>(2 * static_cast<std::int64_t>(max_score) / 5);
}

std::string vote_report_line(VoteVerdict verdict, std::int32_t max_score) {
    const std::int32_t part_score = part_score_for(max_score);
    for (const VoteMessage& message : kVoteMessages) {
        if (message.verdict != verdict) continue;
        switch (message.score) {
        case Score::None:
            return std::string(message.text);
        case Score::Part:
            return fill_message(message.text, {part_score});
        case Score::Full:
            return fill_message(message.text, {max_score});
        }
    }
    return {};
}

}  // namespace judge
