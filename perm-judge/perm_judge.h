// perm-judge: servers arranged in a row. The input gives S servers and C
// links; the contestant claims a cost and prints an arrangement, which must be
// a permutation of the servers whose cost (the summed distances of the linked
// servers) equals the claim and does not exceed the jury's cost.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "reader.h"

namespace judge {

// The verdicts, in the order in which they are tested.
enum class PermOutcome {
    InputCountsMissing,     // no S (or a bad S or C): input format (1)
    InputLinkMissing,       // a link missing or not within 1..S: input format (2)
    ClaimMissing,           // the output ends before the claimed cost: output format (1)
    ArrangementShort,       // the output ends within the arrangement: output format (2)
    ArrangementOutOfRange,  // a number of the arrangement not within 1..S: output format (3)
    NotAPermutation,        // some server stands twice, another nowhere
    CostDiffersFromClaim,   // the arrangement's cost is not the one claimed
    NotOptimal,             // the cost is above the jury's
    BeatsJury,              // the cost is below the jury's: full score, flagged "99"
    Correct,                // the cost equals the jury's: full score
    JudgingFailed,          // the judging itself failed (memory exhausted, say)
};

struct PermVerdict {
    PermOutcome outcome = PermOutcome::JudgingFailed;
    // For CostDiffersFromClaim and NotOptimal. The claim and the jury's cost
    // are exact decimal texts, since the files may hold numbers of any length.
    std::string claimed_res;
    std::int64_t cost = 0;
    std::string real_answer;
};

// The most entries one table of the judging may take. Memory is the only real
// bound; tests set a small one to make an allocation fail on purpose.
struct PermLimits {
    std::size_t table_entries = SIZE_MAX;
};

// Judges the three files from their current positions. Reads the answer, then
// the input, then the output, each only as far as the verdict needs. Throws
// what the machinery throws (std::bad_alloc when memory runs out).
PermVerdict judge_permutation(Reader& input, Reader& output, Reader& answer, const PermLimits& limits = {});

// The verdict line for the report, as UTF-8 text. Some lines have no line end.
std::string perm_report_line(const PermVerdict& verdict, std::int32_t max_score);

// The judging and its line under one guard: any std::exception becomes the
// JudgingFailed line, so the run always ends with a verdict of perm-judge's own.
std::string perm_judge(Reader& input, Reader& output, Reader& answer, std::int32_t max_score,
                       const PermLimits& limits = {});

}  // namespace judge
