// Draws an election for vote-judge and writes its three files into a folder:
//   input   n and the vote table of every stage, as the delegates' lists give it
//   answer  the number of delegates
//   output  that number and every delegate's list, one list a line
// Even-numbered delegates rank the candidates at random; odd-numbered ones
// from the highest number down, so that their best candidate still in the
// race changes at every stage.
//
//   bench_vote_generate <folder> [n = 500] [m = 20000] [seed = 1]
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "../number_writer.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <folder> [n] [m] [seed]\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    const int n = argc > 2 ? std::atoi(argv[2]) : 500;
    const int m = argc > 3 ? std::atoi(argv[3]) : 20000;
    std::mt19937_64 random(argc > 4 ? std::strtoull(argv[4], nullptr, 10) : 1);
    if (n < 2 || m < 0) {
        std::fprintf(stderr, "need n >= 2 and m >= 0\n");
        return 2;
    }

    // lists[p][k]: delegate p's candidate at place k, numbered from 0.
    std::vector<std::vector<int>> lists(m, std::vector<int>(n));
    for (int p = 0; p < m; ++p) {
        std::iota(lists[p].begin(), lists[p].end(), 0);
        if (p % 2 == 0) {
            std::shuffle(lists[p].begin(), lists[p].end(), random);
        } else {
            std::reverse(lists[p].begin(), lists[p].end());
        }
    }

    // The true counts: a[c][s], stage by stage, each delegate's place moving
    // down its list as candidates leave.
    std::vector<std::vector<long long>> a(n, std::vector<long long>(n, 0));
    std::vector<int> place(m, 0);
    for (int s = 0; s < n; ++s) {
        for (int p = 0; p < m; ++p) {
            while (lists[p][place[p]] >= n - s) ++place[p];
            ++a[lists[p][place[p]]][s];
        }
    }

    {
        NumberWriter input(folder + "/input");
        input.number(n, '\n');
        for (int c = 0; c < n; ++c) {
            // Row 0 stops before the last stage; the checker works that count out.
            const int numbers = c == 0 ? n - 1 : n - c;
            for (int s = 0; s < numbers; ++s) input.number(a[c][s], s + 1 == numbers ? '\n' : ' ');
        }
    }
    {
        NumberWriter answer(folder + "/answer");
        answer.number(m, '\n');
    }
    NumberWriter output(folder + "/output");
    output.number(m, '\n');
    for (const auto& list : lists) {
        for (int k = 0; k < n; ++k) output.number(list[k] + 1, k + 1 == n ? '\n' : ' ');
    }
    return 0;
}
