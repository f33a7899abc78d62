// Writes a random multigraph for edge-judge into <folder>/input and a right
// answer for it into <folder>/output:
//     bench_edge_generate <folder> [vertices] [edges] [seed]
// The edges are drawn in a random order, and every vertex's adjacency line
// lists its neighbours in that order, so the order itself, printed one edge
// per line with the smaller end first, agrees with every line. Two ends of an
// edge always differ; the same edge may be drawn more than once. The same
// arguments give the same files.
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "../number_writer.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <folder> [vertices] [edges] [seed]\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    const std::uint32_t n = argc > 2 ? static_cast<std::uint32_t>(std::strtoul(argv[2], nullptr, 10)) : 1000000;
    const std::size_t m = argc > 3 ? std::strtoull(argv[3], nullptr, 10) : 10000000;
    std::mt19937_64 random(argc > 4 ? std::strtoull(argv[4], nullptr, 10) : 1);
    if (n < 2) return 2;

    // The edges in their random order, ends numbered from 1.
    std::vector<std::uint32_t> ends(2 * m);
    std::vector<std::uint32_t> degree(n + 1, 0);
    for (std::size_t e = 0; e < m; ++e) {
        const std::uint32_t a = 1 + static_cast<std::uint32_t>(random() % n);
        std::uint32_t b = 1 + static_cast<std::uint32_t>(random() % (n - 1));
        if (b >= a) ++b;
        ends[2 * e] = a;
        ends[2 * e + 1] = b;
        ++degree[a];
        ++degree[b];
    }

    // The adjacency lines, all in one array: each edge, in order, appends
    // each end to the other end's line.
    std::vector<std::size_t> start(n + 2, 0);
    for (std::uint32_t v = 1; v <= n; ++v) start[v + 1] = start[v] + degree[v];
    std::vector<std::uint32_t> neighbours(2 * m);
    std::vector<std::size_t> filled(start.begin(), start.end());
    for (std::size_t e = 0; e < m; ++e) {
        const std::uint32_t a = ends[2 * e];
        const std::uint32_t b = ends[2 * e + 1];
        neighbours[filled[a]++] = b;
        neighbours[filled[b]++] = a;
    }

    {
        NumberWriter input(folder + "/input");
        input.number(n, '\n');
        for (std::uint32_t v = 1; v <= n; ++v) {
            for (std::size_t i = start[v]; i < start[v + 1]; ++i) {
                input.number(neighbours[i], i + 1 == start[v + 1] ? '\n' : ' ');
            }
            if (start[v] == start[v + 1]) input.line_end();
        }
    }
    {
        NumberWriter output(folder + "/output");
        for (std::size_t e = 0; e < m; ++e) {
            const std::uint32_t a = ends[2 * e];
            const std::uint32_t b = ends[2 * e + 1];
            output.number(a < b ? a : b, ' ');
            output.number(a < b ? b : a, '\n');
        }
    }
    if (degree[1] == 0) std::fprintf(stderr, "warning: vertex 1 has no neighbours; its empty line will be passed over\n");
    return 0;
}
