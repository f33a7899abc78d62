// The plain way to compare two number files: an fscanf("%d") loop over both.
// Benchmark reference only.
#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    std::FILE* a = std::fopen(argv[1], "r");
    std::FILE* b = std::fopen(argv[2], "r");
    if (a == nullptr || b == nullptr) return 2;
    long long count = 0;
    int x = 0;
    int y = 0;
    for (;;) {
        const int ra = std::fscanf(a, "%d", &x);
        const int rb = std::fscanf(b, "%d", &y);
        if (ra != 1 || rb != 1 || x != y) break;
        ++count;
    }
    std::printf("%lld equal numbers\n", count);
    return 0;
}
