// vote-judge: the contestant's number of delegates and every delegate's order
// of preference, replayed stage by stage against the vote counts of an
// election.
//
// n candidates meet in n stages. At each stage every delegate votes for the
// candidate it ranks highest among those still in the race; after each stage
// the highest-numbered candidate still in the race leaves it. The input gives
// each candidate's votes at every stage it takes part in (the count of the
// last stage is worked out from the stage before), the answer holds the
// number of delegates, and the output holds that number and one list of the
// candidates 1..n per delegate.
#pragma once

#include <cstdint>
#include <string>

#include "reader.h"

namespace judge {

enum class VoteVerdict {
    CountUnreadable,      // no number where the output's count of delegates should be
    CountWrong,           // the count differs from the jury's
    ListsUnreadable,      // the output ends, or holds a non-number, inside the lists
    ListsMalformed,       // a list holds a number outside 1..n, or one number twice
    ListsInconsistent,    // at some stage a candidate gets more votes than its count
    Correct,              // the right count and lists that agree with every count
    VoteTableIncomplete,  // more than kZeroFilledCandidates candidates and the vote table breaks off
};

// Up to this many candidates, a vote table that breaks off is completed with
// zeros, as input files have always been read. Beyond it, filling in what is
// missing would cost memory the input never paid for, so the checker stops
// with VoteVerdict::VoteTableIncomplete instead.
constexpr std::int64_t kZeroFilledCandidates = 100;

// Reads the input whole, then the answer, then the output, and judges.
VoteVerdict judge_votes(Reader& input, Reader& answer, Reader& output);

// The partial score: two fifths of the full score, truncated toward zero.
std::int32_t part_score_for(std::int32_t max_score);

// The verdict line for the report, as UTF-8 text.
std::string vote_report_line(VoteVerdict verdict, std::int32_t max_score);

}  // namespace judge
