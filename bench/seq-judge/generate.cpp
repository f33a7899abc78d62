// Writes <count> signed integers of mixed lengths, all within 32 bits, ten to
// a line, to standard output. The same seed gives the same file.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

int main(int argc, char** argv) {
    const long long count = argc > 1 ? std::atoll(argv[1]) : 10000000;
    std::mt19937_64 random(argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1);
    std::string line;
    for (long long i = 0; i < count; ++i) {
        // Lengths from 1 to 10 digits, evenly spread, and both signs.
        const int digits = 1 + static_cast<int>(random() % 10);
        std::int64_t value = static_cast<std::int64_t>(random() % 10);
        for (int d = 1; d < digits; ++d) value = value * 10 + static_cast<std::int64_t>(random() % 10);
        if (value > INT32_MAX) value %= INT32_MAX;
        if (random() % 2) value = -value;
        line += std::to_string(value);
        line += (i + 1) % 10 == 0 ? '\n' : ' ';
        if (line.size() > (1 << 16)) {
            std::fwrite(line.data(), 1, line.size(), stdout);
            line.clear();
        }
    }
    std::fwrite(line.data(), 1, line.size(), stdout);
    return 0;
}
