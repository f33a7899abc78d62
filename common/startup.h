// The frame every checker shares: the command line, opening the checker's
// files, the report, and the exit status.
//
// A testing system starts a checker as
//     <checker> <max_score> <input> <output> <ans>
// and reads the verdict from the file "report" in the working directory. The
// exit status is 0 on every path; it carries no verdict.
//
// The four checkers differ only in a few start-up settings, kept below as one
// row of data per checker.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "reader.h"

namespace judge {

// The file arguments; the value is the argument's position on the command line.
enum class FileRole { None = 0, Input = 2, Output = 3, Answer = 4 };

enum class StartupStep {
    None,                       // marks the end of a checker's list of steps
    ShowUsageWithoutArguments,  // no argument at all: usage on stdout, no report
    CreateReport,               // create or empty "report"
    ParseFullScore,             // argument 1, read as "%d" reads it
    OpenFiles,                  // open the checker's files, in its order
    ReportFailedOpen,           // a file that did not open ends the run with its verdict
};

struct FileToOpen {
    FileRole role = FileRole::None;
    // The verdict when the file cannot be opened or its argument is missing.
    // A "%2d" field in it is filled with the score 0.
    std::string_view open_failure;
};

struct StartupSettings {
    std::string_view program;     // names the checker where argv[0] is missing
    StartupStep steps[6];         // in order, up to the first StartupStep::None
    FileToOpen files[3];          // in opening order, up to the first FileRole::None
    bool closes_files_after_verdict;
    std::string_view usage;       // "%s" is the program's name
};

// What the judging of a checker gets from the frame.
struct CheckerFiles {
    std::int32_t max_score = 0;
    Reader* input = nullptr;   // null when the checker does not open the file
    Reader* output = nullptr;
    Reader* answer = nullptr;
};

// The judging: reads the files and returns the verdict line as UTF-8 text.
using Judging = std::function<std::string(CheckerFiles&)>;

// Runs one checker from start to end and returns the process's exit status,
// which is always 0. Problems no verdict can describe (a report that cannot be
// written) are told on standard error.
int run_checker(const StartupSettings& settings, int argc, char** argv, const Judging& judging);

// Argument 1 as "%d" reads it: leading white space, an optional sign, digits,
// the rest ignored; no number gives 0. Values beyond 32 bits are clamped.
std::int32_t parse_full_score(const char* argument);

// The start-up rows of the four checkers.
extern const StartupSettings kSeqJudgeStartup;
extern const StartupSettings kEdgeJudgeStartup;
extern const StartupSettings kVoteJudgeStartup;
extern const StartupSettings kPermJudgeStartup;

}  // namespace judge
