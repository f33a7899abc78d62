#include "perm_judge.h"
#include "startup.h"

int main(int argc, char** argv) {
    return judge::run_checker(judge::kPermJudgeStartup, argc, argv, [](judge::CheckerFiles& files) {
        return judge::perm_judge(*files.input, *files.output, *files.answer, files.max_score);
    });
}
