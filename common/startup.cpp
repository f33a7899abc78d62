#include "startup.h"

#include <sys/stat.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <exception>
#include <memory>

#include "message.h"

namespace judge {

namespace {

// The report's fixed name, in the working directory.
constexpr const char* kReportName = "report";

// Written when the judging itself fails (memory exhausted, for example), so
// that the testing system still finds a verdict instead of an empty report.
constexpr std::string_view kJudgingFailed = " 0 - Помилка перевірки\n";

class ReportFile {
public:
    ReportFile() = default;
    ReportFile(const ReportFile&) = delete;
    ReportFile& operator=(const ReportFile&) = delete;
    ~ReportFile() { close(); }

    // Creates the report, or empties an existing one. Binary mode: line ends
    // are already CR LF in the bytes written.
    void create(std::string_view program) {
        file_ = std::fopen(kReportName, "wb");
        if (file_ == nullptr) {
            std::fprintf(stderr, "%.*s: cannot create \"%s\": %s\n", static_cast<int>(program.size()),
                         program.data(), kReportName, std::strerror(errno));
        }
    }

    void write(std::string_view program, std::string_view utf8_line) {
        if (file_ == nullptr) return;
        std::optional<std::string> bytes = to_report_bytes(utf8_line);
        if (!bytes) {
            // Only text built at run time can get here; the tables are checked when built.
            bytes = to_report_bytes(kJudgingFailed);
        }
        if (std::fwrite(bytes->data(), 1, bytes->size(), file_) != bytes->size()) {
            std::fprintf(stderr, "%.*s: cannot write \"%s\": %s\n", static_cast<int>(program.size()),
                         program.data(), kReportName, std::strerror(errno));
        }
    }

    void close() {
        if (file_ == nullptr) return;
        if (std::fclose(file_) != 0) std::fprintf(stderr, "cannot close \"%s\": %s\n", kReportName, std::strerror(errno));
        file_ = nullptr;
    }

private:
    std::FILE* file_ = nullptr;
};

// Opens a checker's file for reading. A missing argument and a directory count
// as files that cannot be opened; `why` says what went wrong.
std::unique_ptr<Reader> open_reader(const char* path, std::string& why) {
    if (path == nullptr) {
        why = "argument missing";
        return nullptr;
    }
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) {
        why = std::strerror(errno);
        return nullptr;
    }
    struct stat status {};
    if (fstat(fileno(file), &status) == 0 && S_ISDIR(status.st_mode)) {
        std::fclose(file);
        why = "is a directory";
        return nullptr;
    }
    // The reader has its own large buffer; a second one in the stream would only copy.
    std::setvbuf(file, nullptr, _IONBF, 0);
    return std::make_unique<Reader>(std::make_unique<FileSource>(file));
}

const char* argument(int argc, char** argv, int position) {
    return position < argc && argv != nullptr ? argv[position] : nullptr;
}

std::string failure_verdict(std::string_view message) {
    // A "%2d" field in an open-failure message is the score, 0.
    return message.find('%') == std::string_view::npos ? std::string(message) : fill_message(message, {0});
}

}  // namespace

std::int32_t parse_full_score(const char* text) {
    if (text == nullptr) return 0;
    while (is_space(static_cast<unsigned char>(*text))) ++text;
    bool negative = false;
    if (is_sign(*text)) {
        negative = *text == '-';
        ++text;
    }
    std::int64_t value = 0;
    const std::int64_t limit = negative ? -static_cast<std::int64_t>(INT32_MIN) : INT32_MAX;
    for (; is_digit(*text); ++text) {
        value = value * 10 + (*text - '0');
        if (value > limit) value = limit;  // clamp, and keep the arithmetic small
    }
    return static_cast<std::int32_t>(negative ? -value : value);
}

int run_checker(const StartupSettings& settings, int argc, char** argv, const Judging& judging) {
    const std::string_view program = settings.program;
    ReportFile report;
    CheckerFiles files;
    std::unique_ptr<Reader> readers[3];
    std::string failed_open;  // the verdict of the first file that did not open

    try {
        for (const StartupStep step : settings.steps) {
            if (step == StartupStep::None) break;
            switch (step) {
            case StartupStep::None:
                break;
            case StartupStep::ShowUsageWithoutArguments:
                if (argc <= 1) {
                    const char* name = argument(argc, argv, 0);
                    const std::string shown = name != nullptr ? std::string(name) : std::string(program);
                    const std::string text = fill_message(settings.usage, {std::string_view(shown)});
                    std::fwrite(text.data(), 1, text.size(), stdout);
                    return 0;
                }
                break;
            case StartupStep::CreateReport:
                report.create(program);
                break;
            case StartupStep::ParseFullScore:
                files.max_score = parse_full_score(argument(argc, argv, 1));
                break;
            case StartupStep::OpenFiles:
                for (int i = 0; i < 3 && settings.files[i].role != FileRole::None; ++i) {
                    const FileToOpen& wanted = settings.files[i];
                    const char* path = argument(argc, argv, static_cast<int>(wanted.role));
                    std::string why;
                    readers[i] = open_reader(path, why);
                    if (readers[i] == nullptr) {
                        std::fprintf(stderr, "%.*s: cannot open \"%s\": %s\n", static_cast<int>(program.size()),
                                     program.data(), path != nullptr ? path : "", why.c_str());
                        if (failed_open.empty()) failed_open = failure_verdict(wanted.open_failure);
                        continue;
                    }
                    Reader* reader = readers[i].get();
                    switch (wanted.role) {
                    case FileRole::Input: files.input = reader; break;
                    case FileRole::Output: files.output = reader; break;
                    case FileRole::Answer: files.answer = reader; break;
                    case FileRole::None: break;
                    }
                }
                break;
            case StartupStep::ReportFailedOpen:
                if (!failed_open.empty()) {
                    report.write(program, failed_open);
                    return 0;
                }
                break;
            }
        }

        std::string verdict = judging(files);

        // A file that broke off with a read error was not judged whole: say
        // so rather than judge what happened to be read.
        for (int i = 0; i < 3; ++i) {
            if (readers[i] != nullptr && readers[i]->failed()) {
                std::fprintf(stderr, "%.*s: read error in argument %d\n", static_cast<int>(program.size()),
                             program.data(), static_cast<int>(settings.files[i].role));
                verdict = failure_verdict(settings.files[i].open_failure);
                break;
            }
        }
        if (settings.closes_files_after_verdict) {
            for (auto& reader : readers) reader.reset();
        }
        report.write(program, verdict);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%.*s: %s\n", static_cast<int>(program.size()), program.data(), error.what());
        report.write(program, kJudgingFailed);
    }
    return 0;
}

// ---------------------------------------------------------------------------
// The start-up rows. seq-judge opens its files before it creates the report
// and reports a file that did not open in its own words (with a Latin "i" in
// them, kept as it has always been). The other three create the report first;
// they read the files listed, and a file that does not open ends the run with
// a score-0 verdict naming it.

namespace {

constexpr std::string_view kInputMissing = " 0 - Не вдалося відкрити вхідний файл!\n";
constexpr std::string_view kOutputMissing = " 0 - Не вдалося відкрити вихідний файл!\n";
constexpr std::string_view kAnswerMissing = " 0 - Не вдалося відкрити файл відповідей!\n";
constexpr std::string_view kSeqOutputMissing = "%2d - Не вдалось вiдкрити вихiдний файл!\n";
constexpr std::string_view kSeqAnswerMissing = "%2d - Не вдалось вiдкрити файл вiдповiдей!\n";

static_assert(cp1251::encodable(kInputMissing) && cp1251::encodable(kOutputMissing) &&
              cp1251::encodable(kAnswerMissing) && cp1251::encodable(kSeqOutputMissing) &&
              cp1251::encodable(kSeqAnswerMissing) && cp1251::encodable(kJudgingFailed));

}  // namespace

const StartupSettings kSeqJudgeStartup{
    "seq-judge",
    {StartupStep::ParseFullScore, StartupStep::OpenFiles, StartupStep::CreateReport, StartupStep::ReportFailedOpen},
    {{FileRole::Output, kSeqOutputMissing}, {FileRole::Answer, kSeqAnswerMissing}},
    true,
    {},
};

// edge-judge never reads the answer file, so it does not open it either.
const StartupSettings kEdgeJudgeStartup{
    "edge-judge",
    {StartupStep::CreateReport, StartupStep::ParseFullScore, StartupStep::OpenFiles, StartupStep::ReportFailedOpen},
    {{FileRole::Input, kInputMissing}, {FileRole::Output, kOutputMissing}},
    false,
    {},
};

const StartupSettings kVoteJudgeStartup{
    "vote-judge",
    {StartupStep::CreateReport, StartupStep::ParseFullScore, StartupStep::OpenFiles, StartupStep::ReportFailedOpen},
    {{FileRole::Input, kInputMissing}, {FileRole::Output, kOutputMissing}, {FileRole::Answer, kAnswerMissing}},
    false,
    {},
};

const StartupSettings kPermJudgeStartup{
    "perm-judge",
    {StartupStep::ShowUsageWithoutArguments, StartupStep::CreateReport, StartupStep::ParseFullScore,
     StartupStep::OpenFiles, StartupStep::ReportFailedOpen},
    {{FileRole::Input, kInputMissing}, {FileRole::Output, kOutputMissing}, {FileRole::Answer, kAnswerMissing}},
    false,
    "usage: %s <max_score> <input> <output> <ans>\n",
};

}  // namespace judge
