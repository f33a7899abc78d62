// The floor the checkers are measured against: the project's Reader alone,
// reading every number of the given files and summing them, with the files
// opened as the checkers' frame opens them. Benchmark reference only.
#include <cstdint>
#include <cstdio>
#include <memory>

#include "reader.h"

int main(int argc, char** argv) {
    std::int64_t numbers = 0;
    std::uint64_t sum = 0;  // wraps freely: it only keeps the reads from being optimised away
    for (int i = 1; i < argc; ++i) {
        std::FILE* file = std::fopen(argv[i], "rb");
        if (file == nullptr) {
            std::perror(argv[i]);
            return 2;
        }
        std::setvbuf(file, nullptr, _IONBF, 0);
        judge::Reader reader(std::make_unique<judge::FileSource>(file));
        judge::ScannedInt value;
        while (reader.read_int(value) == judge::Scan::Number) {
            ++numbers;
            sum += value.magnitude;
        }
    }
    std::printf("%lld numbers, sum %llu\n", static_cast<long long>(numbers), static_cast<unsigned long long>(sum));
    return 0;
}
