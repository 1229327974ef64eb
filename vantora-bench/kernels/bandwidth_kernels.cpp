// One register per class carries every access: loads into it are independent of each other once
// renamed, and a store or copy needs no more. The classes differ only in their instructions.
#include "kernels/bandwidth_kernels.h"

#include "kernels/sweep_asm.h"

#define VB_SWEEP(width, access) VB_PASSES("512", VB_REPEAT("512/" width, width, access))
#define VB_LOAD_LANES(load, reg) load " (%[lanes]), " reg "\n\t"
#define VB_STORE_LANES(store, reg) store " " reg ", (%[lanes])\n\t"

// clang-format off
#define VB_OPERANDS                                                                         \
  : [p] "=&r"(p), [count] "+r"(count)                                                       \
  : [a0] "r"(a), [end] "r"(a + bytes), [lanes] "r"(lanes.words)

// The four kernels of a class: `load`, `store` and `ntStore` move `width` bytes ("8", "16"...)
// between memory and `reg`; `leave` ends every kernel (VZEROUPPER after 256- and 512-bit code,
// so later SSE code pays no transition).
#define VB_CLASS_KERNELS(name, width, load, store, ntStore, reg, leave, clobber)            \
  void name##Read(char* a, char*, std::size_t bytes, std::uint64_t count, Lanes& lanes) {   \
    char* p;                                                                                \
    asm volatile(VB_SWEEP(width, VB_LOAD(load, reg, "%[p]"))                                \
                 VB_STORE_LANES(store, reg) leave                                           \
                 VB_OPERANDS : "cc", "memory", clobber);                                    \
  }                                                                                         \
  void name##Write(char* a, char*, std::size_t bytes, std::uint64_t count, Lanes& lanes) {  \
    char* p;                                                                                \
    asm volatile(VB_LOAD_LANES(load, reg)                                                   \
                 VB_SWEEP(width, VB_STORE(store, reg, "%[p]")) leave                        \
                 VB_OPERANDS : "cc", "memory", clobber);                                    \
  }                                                                                         \
  void name##NtWrite(char* a, char*, std::size_t bytes, std::uint64_t count, Lanes& lanes) {\
    char* p;                                                                                \
    asm volatile(VB_LOAD_LANES(load, reg)                                                   \
                 VB_SWEEP(width, VB_STORE(ntStore, reg, "%[p]")) "sfence\n\t" leave         \
                 VB_OPERANDS : "cc", "memory", clobber);                                    \
  }                                                                                         \
  void name##Copy(char* a, char* b, std::size_t bytes, std::uint64_t count, Lanes&) {       \
    char *p, *q;                                                                            \
    asm volatile(VB_PASSES_TWO("256", VB_REPEAT("256/" width, width,                        \
                                                VB_LOAD(load, reg, "%[p]")                  \
                                                VB_STORE(store, reg, "%[q]"))) leave        \
                 : [p] "=&r"(p), [q] "=&r"(q), [count] "+r"(count)                          \
                 : [a0] "r"(a), [b0] "r"(b), [end] "r"(a + bytes)                           \
                 : "cc", "memory", clobber);                                                \
  }
// clang-format on

namespace vbench {
namespace {

VB_CLASS_KERNELS(int64, "8", "mov", "mov", "movnti", "%%r8", "", "r8")
VB_CLASS_KERNELS(sse, "16", "movaps", "movaps", "movntps", "%%xmm0", "", "xmm0")
VB_CLASS_KERNELS(avx2, "32", "vmovaps", "vmovaps", "vmovntps", "%%ymm0", "vzeroupper\n\t", "xmm0")
VB_CLASS_KERNELS(avx512, "64", "vmovaps", "vmovaps", "vmovntps", "%%zmm0", "vzeroupper\n\t", "xmm0")

}  // namespace

const BandwidthKernels kInt64Kernels = {int64Read, int64Write, int64Copy, int64NtWrite};
const BandwidthKernels kSseKernels = {sseRead, sseWrite, sseCopy, sseNtWrite};
const BandwidthKernels kAvx2Kernels = {avx2Read, avx2Write, avx2Copy, avx2NtWrite};
const BandwidthKernels kAvx512Kernels = {avx512Read, avx512Write, avx512Copy, avx512NtWrite};

}  // namespace vbench
