#include "edge_judge.h"
#include "startup.h"

int main(int argc, char** argv) {
    return judge::run_checker(judge::kEdgeJudgeStartup, argc, argv, [](judge::CheckerFiles& files) {
        const judge::EdgeVerdict verdict = judge::judge_edges(*files.input, *files.output);
        return judge::edge_report_line(verdict, files.max_score);
    });
}
