// An unprivileged account racing a run, for a bounded time: swaps pairs of names
// in a folder with renameat2(RENAME_EXCHANGE) as fast as it can, or keeps a file
// growing by a byte written 16 MB past its end (up to a terabyte).
//   fault_attacker SECONDS FOLDER NAME-A NAME-B [NAME-A NAME-B ...]
//   fault_attacker grow SECONDS FILE

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <linux/fs.h>
#include <string_view>
#include <unistd.h>

int grow(int seconds, const char* path) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    const int fd = ::open(path, O_WRONLY);
    if (fd < 0)
        return 1;
    while (std::chrono::steady_clock::now() < until) {
        const off_t end = ::lseek(fd, 0, SEEK_END);
        if (end < 0 || end > (off_t(1) << 40) || ::pwrite(fd, "x", 1, end + (16 << 20)) != 1)
            break;
    }
    return 0;
}

int main(int argc, char* argv[]) {
    if (argc == 4 && std::string_view(argv[1]) == "grow")
        return grow(std::atoi(argv[2]), argv[3]);
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
