#pragma once

#include "engine/Result.h"

#include <string>
#include <vector>

namespace engine::scan {

// The ways of scanning a page, by the instructions they use: portable code, the
// SSE2 that every x86-64 processor has, AVX2, and AVX-512. Each stays because it
// was measured to make a run markedly faster than the one before it.
enum class Kernel { Plain, Sse2, Avx2, Avx512 };

// "plain", "sse2", "avx2", "avx512".
const char* kernelName(Kernel kernel);
// Whether this processor runs the kernel (the plain one always).
bool runs(Kernel kernel);
// Every kernel this processor runs, the plain one first.
std::vector<Kernel> runnableKernels();

// The kernel in use: the one CODE_INSERTER_KERNEL names (read once, at the first
// scan), else the widest this processor runs.
Kernel activeKernel();
// Whether CODE_INSERTER_KERNEL can be used, or is not set; fails, saying why,
// for a kernel unknown or one this processor does not run (then the widest is used).
Result<void> kernelUsable();
// Uses `kernel` from now on (tests and benchmarks); false, with nothing changed,
// when this processor does not run it.
bool useKernel(Kernel kernel);

} // namespace engine::scan
