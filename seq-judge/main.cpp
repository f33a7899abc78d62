#include "seq_judge.h"
#include "startup.h"

int main(int argc, char** argv) {
    return judge::run_checker(judge::kSeqJudgeStartup, argc, argv, [](judge::CheckerFiles& files) {
        const judge::SeqVerdict verdict = judge::judge_sequences(*files.output, *files.answer);
        return judge::seq_report_line(verdict, files.max_score);
    });
}
