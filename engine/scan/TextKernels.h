#pragma once

// The text scans' kernels, each instruction set's in a file of its own; the
// scans (TextScan.cpp) choose among them by the kernel in use.
#include "engine/scan/TextScan.h"

#include <cstddef>
#include <initializer_list>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define INSERTER_X86_KERNELS 1
#else
#define INSERTER_X86_KERNELS 0
#endif

namespace engine::scan {

// The first `lead` at or after `at` with one of the followers in its place
// (`reach` the farthest of them), or npos: portable code, SSE2, AVX2.
std::size_t findLeadPlain(const char* data, std::size_t at, std::size_t end, char lead,
                          std::initializer_list<Follower> followers, std::size_t reach);
std::size_t findLeadSse2(const char* data, std::size_t from, std::size_t end, char lead,
                         std::initializer_list<Follower> followers, std::size_t reach);
std::size_t findLeadAvx2(const char* data, std::size_t from, std::size_t end, char lead,
                         std::initializer_list<Follower> followers, std::size_t reach);
// The first NUL or "<!" at or after `from`, or npos: AVX-512.
std::size_t findMarkupOrNulAvx512(const char* data, std::size_t from, std::size_t end);

} // namespace engine::scan
