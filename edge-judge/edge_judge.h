// edge-judge: the contestant's edges checked against the adjacency lines of
// the test's input. Every edge must come with its smaller end first, and for
// every vertex the edges that touch it must come in the order of its
// adjacency line. The jury's answer is never read.
#pragma once

#include <cstdint>
#include <string>

#include "reader.h"

namespace judge {

enum class EdgeOutcome {
    Unreadable,    // the output ends, or holds a non-number, where a pair is due
    BadEdge,       // an end outside 1..n, or both ends the same vertex
    LargerFirst,   // the larger end is given first
    WrongOrder,    // the edge is not at the front of both ends' adjacency queues
    ExtraNumbers,  // an integer follows the last required pair
    Correct,       // every required pair accepted, nothing after them
};

struct EdgeVerdict {
    EdgeOutcome outcome = EdgeOutcome::Correct;
    std::int64_t accepted = 0;  // pairs accepted before the verdict was reached
};

// Reads the graph from `input` (n, then n adjacency lines), then judges the
// pairs of `output` against it.
EdgeVerdict judge_edges(Reader& input, Reader& output);

// The verdict line for the report, as UTF-8 text.
std::string edge_report_line(const EdgeVerdict& verdict, std::int32_t max_score);

}  // namespace judge
