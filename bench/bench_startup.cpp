// The wizard's start-up: from starting the program to its window being mapped
// on the X display (run under Xvfb), in English, German and Arabic. Give the
// programs to compare; the first is the reference.
//   xvfb-run -a build/bin/bench_startup [PROGRAM...] [--rounds N]
#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>
#include <xcb/xcb.h>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

// Milliseconds from starting the program to the first window it maps; negative
// when none came within ten seconds.
double startUp(xcb_connection_t* x, const std::string& program, const std::string& language) {
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        if (std::strncmp(*e, "LANGUAGE=", 9) != 0 && std::strncmp(*e, "LC_ALL=", 7) != 0)
            env.emplace_back(*e);
    }
    env.push_back("LANGUAGE=" + language);
    env.push_back("QT_QPA_PLATFORM=xcb");
    std::vector<char*> envp;
    for (std::string& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    std::string path = program;
    char* argv[] = {path.data(), nullptr};
    while (xcb_generic_event_t* stale = xcb_poll_for_event(x))
        std::free(stale);
    const auto start = Clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, envp.data()) != 0)
        return -1;
    double ms = -1;
    pollfd fd{xcb_get_file_descriptor(x), POLLIN, 0};
    while (ms < 0 && Clock::now() - start < std::chrono::seconds(10)) {
        poll(&fd, 1, 100);
        while (xcb_generic_event_t* event = xcb_poll_for_event(x)) {
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY && ms < 0)
                ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            std::free(event);
        }
    }
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    return ms;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? -1 : v[v.size() / 2];
}

} // namespace

int main(int argc, char* argv[]) {
    std::vector<std::string> programs;
    int rounds = 15;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--rounds") == 0 && i + 1 < argc)
            rounds = std::atoi(argv[++i]);
        else
            programs.emplace_back(argv[i]);
    }
    if (programs.empty())
        programs.emplace_back(INSERTER_WIZARD);
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "bench_startup: no X display: run under xvfb-run\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(x);
    // A private configuration and journal, so that nothing kept changes the start.
    char dir[] = "/tmp/bench-startup-XXXXXX";
    if (!mkdtemp(dir))
        return 1;
    setenv("XDG_CONFIG_HOME", dir, 1);
    setenv("XDG_STATE_HOME", dir, 1);
    const char* languages[] = {"en", "de", "ar"};
    std::vector<double> reference;
    for (const std::string& program : programs) {
        for (int l = 0; l < 3; ++l) {
            std::vector<double> times;
            startUp(x, program, languages[l]); // warm the caches
            // Interleaved rounds would mix programs' caches; each program runs its own.
            for (int r = 0; r < rounds; ++r) {
                const double ms = startUp(x, program, languages[l]);
                if (ms >= 0)
                    times.push_back(ms);
            }
            const double m = median(times);
            if (&program == &programs.front())
                reference.push_back(m);
            std::printf("%s, %s: %.1f ms (median of %zu)", program.c_str(), languages[l], m, times.size());
            if (&program != &programs.front())
                std::printf(", %.2f times the first", m / reference[l]);
            std::printf("\n");
        }
    }
    rmdir(dir);
    xcb_disconnect(x);
    return 0;
}
