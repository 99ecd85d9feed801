#include "engine/scan/Kernels.h"

#include <atomic>
#include <cstdlib>
#include <mutex>
#include <string_view>

namespace engine::scan {

namespace {

constexpr Kernel All[] = {Kernel::Plain, Kernel::Sse2, Kernel::Avx2, Kernel::Avx512};

std::atomic<int> g_active{-1};
std::string g_refusal;

Kernel widest() {
    Kernel best = Kernel::Plain;
    for (const Kernel kernel : All)
        best = runs(kernel) ? kernel : best;
    return best;
}

void chooseOnce() {
    static std::once_flag once;
    std::call_once(once, [] {
        Kernel chosen = widest();
        if (const char* asked = std::getenv("CODE_INSERTER_KERNEL"); asked && *asked) {
            bool known = false;
            for (const Kernel kernel : All) {
                if (std::string_view(asked) != kernelName(kernel))
                    continue;
                known = true;
                if (runs(kernel))
                    chosen = kernel;
                else
                    g_refusal =
                        std::string("CODE_INSERTER_KERNEL=") + asked + ": this processor does not run it";
            }
            if (!known)
                g_refusal = std::string("CODE_INSERTER_KERNEL=") + asked +
                            ": no such kernel (plain, sse2, avx2 or avx512)";
        }
        int expected = -1;
        g_active.compare_exchange_strong(expected, static_cast<int>(chosen));
    });
}

} // namespace

const char* kernelName(Kernel kernel) {
    switch (kernel) {
    case Kernel::Plain:
        return "plain";
    case Kernel::Sse2:
        return "sse2";
    case Kernel::Avx2:
        return "avx2";
    case Kernel::Avx512:
        return "avx512";
    }
    return "plain";
}

bool runs(Kernel kernel) {
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
    __builtin_cpu_init();
    switch (kernel) {
    case Kernel::Plain:
    case Kernel::Sse2:
        return true;
    case Kernel::Avx2:
        return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("pclmul");
    case Kernel::Avx512:
        return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("avx512bw") &&
               __builtin_cpu_supports("avx512dq") && __builtin_cpu_supports("avx512vbmi") &&
               __builtin_cpu_supports("avx512vbmi2") && __builtin_cpu_supports("vpclmulqdq") &&
               __builtin_cpu_supports("pclmul");
    }
    return false;
#else
    return kernel == Kernel::Plain;
#endif
}

std::vector<Kernel> runnableKernels() {
    std::vector<Kernel> kernels;
    for (const Kernel kernel : All) {
        if (runs(kernel))
            kernels.push_back(kernel);
    }
    return kernels;
}

Kernel activeKernel() {
    const int active = g_active.load(std::memory_order_relaxed);
    if (active >= 0)
        return static_cast<Kernel>(active);
    chooseOnce();
    return static_cast<Kernel>(g_active.load(std::memory_order_relaxed));
}

Result<void> kernelUsable() {
    chooseOnce();
    if (g_refusal.empty())
        return {};
    return Failure{Failure::Kind::Settings, g_refusal};
}

bool useKernel(Kernel kernel) {
    if (!runs(kernel))
        return false;
    chooseOnce();
    g_active.store(static_cast<int>(kernel), std::memory_order_relaxed);
    return true;
}

} // namespace engine::scan
