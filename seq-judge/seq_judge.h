// seq-judge: the contestant's output and the jury's answer compared as two
// sequences of integers, number by number, in constant memory.
#pragma once

#include <cstdint>
#include <string>

#include "reader.h"

namespace judge {

enum class SeqOutcome {
    AllMatch,       // both sequences ended together, every number equal
    CountDiffers,   // one of them ended first
    Unreadable,     // the output holds something that is not a number
    NumbersDiffer,  // two numbers differ (or the answer holds a non-number)
};

struct SeqVerdict {
    SeqOutcome outcome = SeqOutcome::AllMatch;
    std::int64_t position = 0;  // 1-based position of the step that decided
};

// Compares the two files from their current position to the first difference.
SeqVerdict judge_sequences(Reader& output, Reader& answer);

// The verdict line for the report, as UTF-8 text.
std::string seq_report_line(const SeqVerdict& verdict, std::int32_t maxscore);

}  // namespace judge
