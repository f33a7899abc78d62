// Fuzz target: edge-judge's judging on arbitrary input and output.
#include <cstdlib>

#include "edge_judge.h"
#include "fuzz_input.h"
#include "message.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const judge::FuzzCase fuzz_case = judge::split_fuzz_input(data, size);
    judge::Reader input = fuzz_case.reader(fuzz_case.input);
    judge::Reader output = fuzz_case.reader(fuzz_case.output);
    const judge::EdgeVerdict verdict = judge::judge_edges(input, output);
    const std::string line = judge::edge_report_line(verdict, fuzz_case.max_score);
    // Exactly one verdict line, writable in the report's code page.
    if (line.empty() || line.back() != '\n' || line.find('\n') != line.size() - 1) std::abort();
    if (!judge::to_report_bytes(line)) std::abort();
    return 0;
}
