// An unprivileged account racing a run: swaps pairs of names in a folder with
// renameat2(RENAME_EXCHANGE) as fast as it can, for a bounded time.
//   fault_attacker SECONDS FOLDER NAME-A NAME-B [NAME-A NAME-B ...]

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <linux/fs.h>
#include <unistd.h>

int main(int argc, char* argv[]) {
    if (argc < 5 || (argc - 3) % 2 != 0) {
        std::fprintf(stderr, "usage: %s SECONDS FOLDER A B [A B ...]\n", argv[0]);
        return 2;
    }
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(std::atoi(argv[1]));
    const int folder = ::open(argv[2], O_RDONLY | O_DIRECTORY);
    if (folder < 0)
        return 1;
    long swaps = 0;
    while (std::chrono::steady_clock::now() < until) {
        for (int i = 3; i + 1 < argc; i += 2)
            swaps += ::renameat2(folder, argv[i], folder, argv[i + 1], RENAME_EXCHANGE) == 0 ? 1 : 0;
    }
    std::printf("%ld\n", swaps);
    return swaps > 0 ? 0 : 1;
}
