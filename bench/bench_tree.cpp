// Measures the command-line tool on whole trees of small pages and prints the
// figures; asserts nothing.
//   bench_tree                 system calls a page (strace -c -f) and peak memory of insert -r,
//                              status -r and remove -r on 10,000 pages three folders deep
//   bench_tree --peak N        peak memory of the three, runs and undo on N pages as well (1000000 for a
//   million) bench_tree --sed N         the durable insert against sed -i on N pages (100000), medians of
//                              five interleaved rounds on fresh synced copies
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

struct Child {
    double seconds = 0;
    double peakMb = 0;
    int status = -1;
};

// Runs a shell command quietly; its time and peak memory.
Child run(const std::string& command) {
    std::fflush(stdout);
    const auto start = Clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        std::freopen("/dev/null", "w", stdout);
        ::execl("/bin/sh", "sh", "-c", command.c_str(), nullptr);
        std::_Exit(127);
    }
    int status = 0;
    struct rusage usage {};
    ::wait4(pid, &status, 0, &usage);
    return {std::chrono::duration<double>(Clock::now() - start).count(),
            static_cast<double>(usage.ru_maxrss) / 1024.0, WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

std::string page(unsigned seed) {
    std::string text = "<!DOCTYPE html>\r\n<html>\r\n<head><title>Page " + std::to_string(seed) +
                       "</title></head>\r\n<body>\r\n";
    const std::size_t size = 1024 + seed % 1024;
    for (unsigned n = seed; text.size() + 80 < size; n = n * 1103515245u + 12345u)
        text += "<p class=\"c" + std::to_string(n % 7) + "\">Lorem ipsum <a href=\"p" +
                std::to_string(n % 997) + ".html\">link</a>.</p>\r\n";
    return text + "</body>\r\n</html>\r\n";
}

// 100 pages a folder, the folders three deep (four from a million pages on).
void makeTree(const fs::path& root, int pages) {
    const int folders = (pages + 99) / 100;
    const int fan = folders > 10000 ? 10 : 100;
    for (int f = 0; f < folders; ++f) {
        fs::path dir = root;
        dir /= "s" + std::to_string(f / (fan * fan));
        if (folders > fan)
            dir /= "t" + std::to_string(f / fan % fan);
        dir /= "f" + std::to_string(f % fan);
        fs::create_directories(dir);
        for (int i = 0; i < 100 && f * 100 + i < pages; ++i) {
            std::ofstream out(dir / ("page" + std::to_string(i) + ".html"), std::ios::binary);
            out << page(static_cast<unsigned>(f * 100 + i));
        }
    }
}

// The total number of system calls strace counted for the command.
long countCalls(const std::string& command, const fs::path& work) {
    const fs::path log = work / "strace.log";
    run("strace -c -f -o " + log.string() + " " + command);
    std::ifstream in(log);
    long total = -1;
    for (std::string line; std::getline(in, line);) {
        if (line.find("total") != std::string::npos) {
            char* end = nullptr;
            const char* at = line.c_str();
            // "100.00    0.5    1    123456    789    total": the fourth column is the calls.
            for (int column = 0; column < 4 && *at; ++column) {
                const double value = std::strtod(at, &end);
                if (column == 3)
                    total = static_cast<long>(value);
                at = end;
            }
        }
    }
    return total;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Insert, status and remove on the tree, then the journal's list and the undo
// of the remove, which read the journal of a run as large as the tree.
void peaks(const std::string& cli, const fs::path& tree, int pages) {
    for (const char* command : {"insert --site=12345", "status --site=12345", "remove", "runs", "undo"}) {
        const bool journal = command[0] == 'r' && command[1] == 'u';
        const bool undo = command[0] == 'u';
        const Child child = run(cli + " " + command + (journal || undo ? "" : " -r " + tree.string()));
        std::printf("%-21s %8d pages: %6.2f s, peak %6.1f MB (exit %d)\n", command, pages, child.seconds,
                    child.peakMb, child.status);
    }
}

} // namespace

int main(int argc, char* argv[]) {
    const std::string cli = INSERTER_CLI;
    int peakPages = 0;
    int sedPages = 0;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--peak") == 0)
            peakPages = std::atoi(argv[i + 1]);
        else if (std::strcmp(argv[i], "--sed") == 0)
            sedPages = std::atoi(argv[i + 1]);
    }
    char pattern[] = "/tmp/inserter-tree-XXXXXX";
    const fs::path work = ::mkdtemp(pattern);

    const int pages = 10000;
    const fs::path tree = work / "tree";
    makeTree(tree, pages);
    for (const char* command : {"insert --site=12345", "status --site=12345", "remove"}) {
        const long calls = countCalls(cli + " " + command + " -r " + tree.string(), work);
        std::printf("%-21s %d pages: %ld system calls, %.1f a page (goal at most %d)\n", command, pages,
                    calls, static_cast<double>(calls) / pages, command[0] == 's' ? 8 : 24);
    }
    peaks(cli, tree, pages);
    fs::remove_all(tree);

    if (peakPages > 0) {
        makeTree(tree, peakPages);
        peaks(cli, tree, peakPages);
        fs::remove_all(tree);
    }

    if (sedPages > 0) {
        const fs::path master = work / "master";
        makeTree(master, sedPages);
        std::vector<double> ours;
        std::vector<double> sed;
        for (int round = 0; round < 5; ++round) {
            for (const bool mine : {round % 2 == 0, round % 2 != 0}) {
                fs::remove_all(tree);
                run("cp -r " + master.string() + " " + tree.string() + " && sync");
                const std::string command =
                    mine ? cli + " insert --site=12345 -r " + tree.string()
                         : "find " + tree.string() +
                               " -name '*.html' -exec sed -i 's|</body>|<!-- code -->\\r\\n</body>|' {} +";
                (mine ? ours : sed).push_back(run(command).seconds);
            }
        }
        std::printf("durable insert, %d pages: median %.2f s; sed -i: median %.2f s; sed -i against it: %.2f "
                    "(goal >= 1.0)\n",
                    sedPages, median(ours), median(sed), median(sed) / median(ours));
    }
    fs::remove_all(work);
    return 0;
}
