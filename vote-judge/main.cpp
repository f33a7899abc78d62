#include "startup.h"
#include "vote_judge.h"

int main(int argc, char** argv) {
    return judge::run_checker(judge::kVoteJudgeStartup, argc, argv, [](judge::CheckerFiles& files) {
        const judge::VoteVerdict verdict = judge::judge_votes(*files.input, *files.answer, *files.output);
        return judge::vote_report_line(verdict, files.max_score);
    });
}
