// Measures the engine and the command-line tool on a generated corpus and prints
// the figures; asserts nothing. Usage: bench_inserter [pages] [big-page-MB]
#include "engine/PageRewriter.h"
#include "engine/TrackingBlock.h"
#include "engine/scan/HtmlScan.h"
#include "engine/scan/Kernels.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

double seconds(Clock::time_point since) {
    return std::chrono::duration<double>(Clock::now() - since).count();
}

struct Child {
    double seconds = 0;
    double peakMb = 0;
    int status = -1;
};

// Runs a command quietly in a child process; returns its time and peak memory.
Child runChild(const std::vector<std::string>& argv, bool shell = false) {
    std::fflush(stdout);
    const auto start = Clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        std::freopen("/dev/null", "w", stdout);
        std::vector<char*> args;
        if (shell) {
            args = {const_cast<char*>("/bin/sh"), const_cast<char*>("-c"), const_cast<char*>(argv[0].c_str()),
                    nullptr};
        } else {
            for (const auto& a : argv)
                args.push_back(const_cast<char*>(a.c_str()));
            args.push_back(nullptr);
        }
        ::execv(args[0], args.data());
        std::_Exit(127);
    }
    int status = 0;
    struct rusage usage {};
    ::wait4(pid, &status, 0, &usage);
    Child child;
    child.seconds = seconds(start);
    child.peakMb = static_cast<double>(usage.ru_maxrss) / 1024.0;
    child.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return child;
}

std::string samplePage(std::size_t size, unsigned seed) {
    std::string page = "<!DOCTYPE html>\r\n<html>\r\n<head><title>Page " + std::to_string(seed) +
                       "</title>\r\n<style>p { margin: 0 }</style>\r\n</head>\r\n<body>\r\n";
    unsigned n = seed;
    while (page.size() + 64 < size) {
        n = n * 1103515245u + 12345u;
        page += "<p class=\"c" + std::to_string(n % 7) + "\">Lorem ipsum dolor sit amet, <a href=\"p" +
                std::to_string(n % 997) + ".html\">link</a> consectetur.</p>\r\n";
    }
    page += "</body>\r\n</html>\r\n";
    return page;
}

void writeFile(const fs::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

double folderMb(const fs::path& dir) {
    std::uintmax_t total = 0;
    for (const auto& entry : fs::recursive_directory_iterator(dir))
        total += entry.is_regular_file() ? entry.file_size() : 0;
    return static_cast<double>(total) / (1024.0 * 1024.0);
}

} // namespace

int main(int argc, char* argv[]) {
    const int pages = argc > 1 ? std::atoi(argv[1]) : 5000;
    const std::size_t bigMb = argc > 2 ? static_cast<std::size_t>(std::atoi(argv[2])) : 256;
    const std::string cli = INSERTER_CLI;

    char pattern[] = "/tmp/inserter-bench-XXXXXX";
    const fs::path root = ::mkdtemp(pattern);
    const fs::path corpus = root / "corpus";
    const fs::path big = root / "big";
    fs::create_directories(corpus);
    fs::create_directories(big);
    // Every run the benchmark makes keeps its journal here, not in the real one.
    ::setenv("XDG_STATE_HOME", (root / "state").c_str(), 1);
    for (int i = 0; i < pages; ++i)
        writeFile(corpus / ("page" + std::to_string(i) + ".html"),
                  samplePage(20 * 1024, static_cast<unsigned>(i)));
    // The big page is written piece by piece: this process stays small, so that the
    // children it starts (whose peak memory is measured) inherit little.
    {
        const std::string chunk = samplePage(1024 * 1024, 1);
        const auto body = chunk.find("<body>") + 8;
        const auto end = chunk.rfind("</body>");
        std::ofstream out(big / "big.html", std::ios::binary);
        out << chunk.substr(0, end);
        for (std::size_t i = 1; i < bigMb; ++i)
            out << chunk.substr(body, end - body);
        out << chunk.substr(end);
    }
    runChild({"sync"}, true);
    const double corpusMb = folderMb(corpus);
    const double bigFileMb = folderMb(big);
    std::printf("corpus: %d pages, %.1f MB; big page: %.1f MB; in %s\n", pages, corpusMb, bigFileMb,
                root.c_str());

    // The whole batch through the real tool: every page read, planned, written to a
    // synced temporary file and renamed over the page.
    for (const char* mode : {"insert", "remove"}) {
        std::vector<std::string> args = {cli, mode};
        if (std::strcmp(mode, "insert") == 0)
            args.insert(args.end(), {"--site", "12345"});
        args.push_back(corpus.string());
        runChild({"sync"}, true);
        const Child run = runChild(args);
        std::printf("%-6s batch: %d pages in %.2f s = %.0f pages/s, %.1f MB/s, peak %.1f MB (exit %d)\n",
                    mode, pages, run.seconds, pages / run.seconds, corpusMb / run.seconds, run.peakMb,
                    run.status);
    }
    for (const char* mode : {"insert", "remove"}) {
        std::vector<std::string> args = {cli, mode};
        if (std::strcmp(mode, "insert") == 0)
            args.insert(args.end(), {"--site", "12345"});
        args.push_back(big.string());
        const Child run = runChild(args);
        std::printf("%-6s big page: %.2f s = %.0f MB/s, peak %.1f MB (goal <= %.1f MB) (exit %d)\n", mode,
                    run.seconds, bigFileMb / run.seconds, run.peakMb, 1.2 * bigFileMb + 30, run.status);
    }

    // Against plain tools and against itself without syncing, in interleaved rounds,
    // each contender on a fresh copy of the (now clean) corpus that is synced before
    // it runs, so that none inherits another's freed inodes or unwritten data.
    {
        std::string block =
            *engine::buildTrackingBlock(engine::Site::parse("12345"), engine::Protocol::Normal, "page.html");
        std::string sedBlock;
        for (const char c : block)
            sedBlock += c == '\r'   ? std::string("\\r")
                        : c == '\n' ? std::string("\\n")
                        : c == '&'  ? std::string("\\&")
                                    : std::string(1, c);
        struct Contender {
            const char* name;
            std::function<std::vector<std::string>(const fs::path&)> command;
            bool shell;
            std::vector<double> times;
        };
        std::vector<Contender> contenders = {
            {"batch (durable)",
             [&](const fs::path& d) {
                 return std::vector<std::string>{cli, "insert", "--site", "12345", d.string()};
             },
             false,
             {}},
            {"batch (durable), no journal",
             [&](const fs::path& d) {
                 return std::vector<std::string>{cli,     "insert",       "--site",
                                                 "12345", "--no-journal", d.string()};
             },
             false,
             {}},
            {"batch, a sync of each file",
             [&](const fs::path& d) {
                 return std::vector<std::string>{cli,       "insert", "--site", "12345", "--bench-sync=each",
                                                 d.string()};
             },
             false,
             {}},
            {"batch without syncing",
             [&](const fs::path& d) {
                 return std::vector<std::string>{cli,       "insert", "--site", "12345", "--bench-sync=none",
                                                 d.string()};
             },
             false,
             {}},
            {"sed -i (one process)",
             [&](const fs::path& d) {
                 return std::vector<std::string>{"sed -i 's#</body>#" + sedBlock + "</body>#I' '" +
                                                 d.string() + "'/*.html"};
             },
             true,
             {}},
            {"cp -r",
             [&](const fs::path& d) {
                 return std::vector<std::string>{"cp -r '" + corpus.string() + "' '" + d.string() + "-copy'"};
             },
             true,
             {}},
        };
        const int rounds = 5;
        for (int round = 0; round < rounds; ++round) {
            for (Contender& c : contenders) {
                const fs::path dir = root / "round";
                runChild({"rm -rf '" + dir.string() + "' '" + dir.string() + "-copy' && cp -r '" +
                          corpus.string() + "' '" + dir.string() + "' && sync"},
                         true);
                c.times.push_back(runChild(c.command(dir), c.shell).seconds);
            }
        }
        runChild({"rm -rf '" + (root / "round").string() + "' '" + (root / "round").string() + "-copy'"},
                 true);
        const auto median = [](std::vector<double> v) {
            std::sort(v.begin(), v.end());
            return v[v.size() / 2];
        };
        for (const Contender& c : contenders)
            std::printf("%-26s median %.2f s (min %.2f, max %.2f) over %d interleaved rounds\n", c.name,
                        median(c.times), *std::min_element(c.times.begin(), c.times.end()),
                        *std::max_element(c.times.begin(), c.times.end()), rounds);
        const double ours = median(contenders[0].times);
        std::printf("durable batch (journal on) against sed -i: %.2f (goal >= 1.0)\n",
                    median(contenders[4].times) / ours);
        std::printf("the journal's cost: the durable batch takes %.2f times as long as with --no-journal\n",
                    ours / median(contenders[1].times));
        std::printf("durable batch against itself without syncing: %.2f times as long (goal <= 1.3)\n",
                    ours / median(contenders[3].times));
        std::printf("durable batch against cp -r: %.2f\n", median(contenders[5].times) / ours);
        std::printf("a sync of each file against one syncfs a group: %.2f times as long\n",
                    median(contenders[2].times) / ours);

        // Undo of the whole batch against the batch, and a dry run's diffs against a
        // dry run, on fresh copies, in interleaved rounds.
        std::vector<double> batch, undo, dry, diff;
        for (int round = 0; round < 5; ++round) {
            const fs::path dir = root / "round";
            runChild({"rm -rf '" + dir.string() + "' && cp -r '" + corpus.string() + "' '" + dir.string() +
                      "' && sync"},
                     true);
            batch.push_back(runChild(contenders[0].command(dir)).seconds);
            // Each starts from a synced disk, as every contender above does.
            runChild({"sync"}, true);
            undo.push_back(runChild({cli, "undo"}).seconds);
            dry.push_back(runChild({cli, "insert", "--site", "12345", "--dry-run", dir.string()}).seconds);
            diff.push_back(
                runChild({cli, "insert", "--site", "12345", "--dry-run", "--diff", dir.string()}).seconds);
        }
        std::printf(
            "undo of the %d-page batch: median %.2f s against the batch's %.2f s: %.2f (goal <= 1.0)\n",
            pages, median(undo), median(batch), median(undo) / median(batch));
        std::printf("--diff on the dry run: median %.2f s against %.2f s: %.2f times as long (goal <= 1.5)\n",
                    median(diff), median(dry), median(diff) / median(dry));

        // The journal one batch keeps, in a state folder of its own.
        {
            const fs::path dir = root / "round";
            const fs::path state = root / "state-of-one";
            runChild(
                {"rm -rf '" + dir.string() + "' && cp -r '" + corpus.string() + "' '" + dir.string() + "'"},
                true);
            ::setenv("XDG_STATE_HOME", state.c_str(), 1);
            runChild(contenders[0].command(dir));
            ::setenv("XDG_STATE_HOME", (root / "state").c_str(), 1);
            const double journalMb = folderMb(state / "code-inserter" / "journal");
            std::printf("the journal of the %d-page batch: %.2f MB, %.1f%% of the pages' %.1f MB (goal at "
                        "most 5%%)\n",
                        pages, journalMb, 100.0 * journalMb / corpusMb, corpusMb);
        }

        // Each scanning kernel this processor runs, end to end: the batch without
        // syncing or journal, on fresh copies, in interleaved rounds.
        const std::vector<engine::scan::Kernel> kernels = engine::scan::runnableKernels();
        std::vector<std::vector<double>> byKernel(kernels.size());
        for (int round = 0; round < 3; ++round) {
            for (std::size_t k = 0; k < kernels.size(); ++k) {
                const fs::path dir = root / "round";
                runChild({"rm -rf '" + dir.string() + "' && cp -r '" + corpus.string() + "' '" +
                          dir.string() + "' && sync"},
                         true);
                ::setenv("CODE_INSERTER_KERNEL", engine::scan::kernelName(kernels[k]), 1);
                byKernel[k].push_back(runChild({cli, "insert", "--site", "12345", "--bench-sync=none",
                                                "--no-journal", dir.string()})
                                          .seconds);
                ::unsetenv("CODE_INSERTER_KERNEL");
            }
        }
        for (std::size_t k = 0; k < kernels.size(); ++k)
            std::printf("scanning kernel %-7s the batch without syncing or journal: median %.2f s\n",
                        engine::scan::kernelName(kernels[k]), median(byKernel[k]));

        // syncfs waits for every program's data on the file system: beside a large
        // write, the two ways of syncing part.
        for (const int k : {0, 2}) {
            const fs::path dir = root / "round";
            runChild({"rm -rf '" + dir.string() + "' && cp -r '" + corpus.string() + "' '" + dir.string() +
                      "' && sync"},
                     true);
            const std::string writer = "dd if=/dev/zero of='" + (root / "other-program").string() +
                                       "' bs=1M count=1024 conv=fsync status=none & sleep 0.3; ";
            const std::vector<std::string> command = contenders[k].command(dir);
            const fs::path timing = root / "timing";
            std::string line = writer + "s=$(date +%s.%N); ";
            for (const std::string& word : command)
                line += "'" + word + "' ";
            line +=
                ">/dev/null; awk \"BEGIN { print $(date +%s.%N) - $s }\" > '" + timing.string() + "'; wait";
            runChild({line}, true);
            std::ifstream in(timing);
            double seconds = 0;
            in >> seconds;
            std::printf("%-26s beside a 1 GB write by another program: %.2f s\n", contenders[k].name,
                        seconds);
            fs::remove(root / "other-program");
        }
        runChild({"rm -rf '" + (root / "round").string() + "'"}, true);
    }

    // In memory: plan the rewrite and lay the new text out in a buffer, against a memcpy.
    {
        std::string bigPage;
        {
            std::ifstream in(big / "big.html", std::ios::binary);
            bigPage.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        }
        const std::string block =
            *engine::buildTrackingBlock(engine::Site::parse("12345"), engine::Protocol::Normal, "big.html");
        std::string out(bigPage.size() + block.size(), '\0');
        double plan = 1e9;
        double rewrite = 1e9;
        double copy = 1e9;
        for (int round = 0; round < 5; ++round) {
            auto start = Clock::now();
            const engine::RewritePlan planned =
                *engine::planRewrite(bigPage, engine::Mode::Insert, block, "big.html");
            plan = std::min(plan, seconds(start));
            std::size_t at = 0;
            for (const auto piece : planned.pieces(bigPage)) {
                std::memcpy(out.data() + at, piece.data(), piece.size());
                at += piece.size();
            }
            rewrite = std::min(rewrite, seconds(start));
            start = Clock::now();
            std::memcpy(out.data(), bigPage.data(), bigPage.size());
            copy = std::min(copy, seconds(start));
        }
        std::printf("in-memory rewrite, planned (tokenizer included): %.0f MB/s, ratio to memcpy %.2f "
                    "(goal >= 0.33)\n",
                    bigFileMb / plan, copy / plan);
        std::printf("in-memory rewrite, planned and laid out: %.0f MB/s, ratio to memcpy %.2f\n",
                    bigFileMb / rewrite, copy / rewrite);
        std::printf("memcpy: %.0f MB/s\n", bigFileMb / copy);
        // The tokenizer alone with each skip over plain markup this processor runs
        // (widest first), and with none.
        std::vector<engine::scan::MarkupSkip> skips = engine::scan::markupSkips();
        skips.push_back(nullptr);
        for (std::size_t i = 0; i < skips.size(); ++i) {
            double best = 1e9;
            for (int round = 0; round < 3; ++round) {
                const auto start = Clock::now();
                volatile std::size_t at = engine::findClosingBodyTag(bigPage, skips[i]);
                (void)at;
                best = std::min(best, seconds(start));
            }
            std::printf("tokenizer alone, skip %zu of %zu%s: %.0f MB/s, ratio to memcpy %.2f\n", i + 1,
                        skips.size(), skips[i] ? "" : " (none)", bigFileMb / best, copy / best);
        }
    }

    // Nested markers are refused in one pass, however many there are.
    {
        std::string nested = "<html><body>";
        while (nested.size() < (1u << 20))
            nested += std::string(engine::StartMarker) + "<p>keep</p>";
        while (nested.size() < (2u << 20))
            nested += std::string(engine::EndMarker) + "<p>keep</p>";
        nested += "</body></html>";
        const std::string block =
            *engine::buildTrackingBlock(engine::Site::parse("12345"), engine::Protocol::Normal, "n.html");
        const auto start = Clock::now();
        const engine::Result<engine::RewritePlan> planned =
            engine::planRewrite(nested, engine::Mode::Remove, block, "n.html");
        std::printf("2 MB of nested markers: %.3f s (goal well under 1 s), %s\n", seconds(start),
                    !planned && planned.kind() == engine::Failure::Kind::TangledMarkers ? "refused"
                                                                                        : "NOT refused");
    }

    fs::remove_all(root);
    return 0;
}
