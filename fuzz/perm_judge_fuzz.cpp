// Fuzz target: perm-judge's judging on arbitrary input, output and answer.
#include <cstdlib>

#include "fuzz_input.h"
#include "message.h"
#include "perm_judge.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const judge::FuzzCase fuzz_case = judge::split_fuzz_input(data, size);
    judge::Reader input = fuzz_case.reader(fuzz_case.input);
    judge::Reader output = fuzz_case.reader(fuzz_case.output);
    judge::Reader answer = fuzz_case.reader(fuzz_case.answer);
    const std::string line = judge::perm_judge(input, output, answer, fuzz_case.max_score);
    // One verdict line (some have no line end), writable in the report's code page;
    // the guard's text would mean the judging threw.
    if (line.empty() || line.find('\n') < line.size() - 1) std::abort();
    if (!judge::to_report_bytes(line)) std::abort();
    if (line == " 0 - Помилка перевірки") std::abort();
    return 0;
}
