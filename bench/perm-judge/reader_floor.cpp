// The floor for perm-judge: the project's Reader alone, reading every number
// of the given files and summing them. Benchmark reference only.
#include <cstdint>
#include <cstdio>
#include <memory>

#include "reader.h"

int main(int argc, char** argv) {
    std::int64_t sum = 0;
    long long count = 0;
    for (int i = 1; i < argc; ++i) {
        std::FILE* file = std::fopen(argv[i], "rb");
        if (file == nullptr) {
            std::perror(argv[i]);
            return 2;
        }
        std::setvbuf(file, nullptr, _IONBF, 0);  // as the checkers open their files
        judge::Reader reader(std::make_unique<judge::FileSource>(file));
        judge::ScannedInt value;
        while (reader.read_int(value) == judge::Scan::Number) {
            sum += value.fits_int64() ? value.as_int64() : 0;
            ++count;
        }
    }
    std::printf("%lld numbers, sum %lld\n", count, static_cast<long long>(sum));
    return 0;
}
