// Fuzz target: seq-judge's judging on arbitrary output and answer text.
#include <cstdlib>

#include "fuzz_input.h"
#include "message.h"
#include "seq_judge.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const judge::FuzzCase fuzz_case = judge::split_fuzz_input(data, size);
    judge::Reader output = fuzz_case.reader(fuzz_case.output);
    judge::Reader answer = fuzz_case.reader(fuzz_case.answer);
    const judge::SeqVerdict verdict = judge::judge_sequences(output, answer);
    const std::string line = judge::seq_report_line(verdict, fuzz_case.max_score);
    // Exactly one verdict line, writable in the report's code page.
    if (line.empty() || line.back() != '\n' || line.find('\n') != line.size() - 1) std::abort();
    if (!judge::to_report_bytes(line)) std::abort();
    // Identical files always match.
    if (fuzz_case.output == fuzz_case.answer && verdict.outcome != judge::SeqOutcome::AllMatch &&
        verdict.outcome != judge::SeqOutcome::Unreadable) {
        std::abort();
    }
    return 0;
}
