// Writes a perm-judge test into a folder: "input" with S servers and C random
// links, "output" with a random arrangement and its true cost as the claim,
// and "answer" with the same cost as the jury's. The same seed gives the same
// files.
//
//     bench_perm_generate <folder> [S] [C] [seed]
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
        std::fprintf(stderr, "usage: %s <folder> [S] [C] [seed]\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    const std::int32_t servers = argc > 2 ? std::atoi(argv[2]) : 1000000;
    const std::int32_t links = argc > 3 ? std::atoi(argv[3]) : 5000000;
    std::mt19937_64 random(argc > 4 ? std::strtoull(argv[4], nullptr, 10) : 1);

    // order[k]: the server (0-based) at position k; position[s]: where server s stands.
    std::vector<std::int32_t> order(static_cast<std::size_t>(servers));
    std::iota(order.begin(), order.end(), 0);
    std::shuffle(order.begin(), order.end(), random);
    std::vector<std::int32_t> position(order.size());
    for (std::size_t k = 0; k < order.size(); ++k) {
        position[static_cast<std::size_t>(order[k])] = static_cast<std::int32_t>(k);
    }

    std::int64_t cost = 0;
    {
        NumberWriter input(folder + "/input");
        input.number(servers, ' ');
        input.number(links, '\n');
        for (std::int32_t i = 0; i < links; ++i) {
            const auto x = static_cast<std::int32_t>(random() % static_cast<std::uint64_t>(servers));
            const auto y = static_cast<std::int32_t>(random() % static_cast<std::uint64_t>(servers));
            cost += std::abs(std::int64_t{position[static_cast<std::size_t>(x)]} -
                             position[static_cast<std::size_t>(y)]);
            input.number(x + 1, ' ');
            input.number(y + 1, '\n');
        }
    }
    {
        NumberWriter output(folder + "/output");
        output.number(cost, '\n');
        for (std::size_t k = 0; k < order.size(); ++k) {
            output.number(order[k] + 1, (k + 1) % 20 == 0 ? '\n' : ' ');
        }
    }
    NumberWriter answer(folder + "/answer");
    answer.number(cost, '\n');
    return 0;
}
