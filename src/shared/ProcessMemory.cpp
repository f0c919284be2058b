#include "shared/ProcessMemory.h"

// Any C library header says whether this is the GNU C library.
#include <cstdlib>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace stakewell::shared {

void KeepFreedMemoryForReuse() {
#if defined(__GLIBC__)
    constexpr int KeptMegabytes = 256;
    constexpr int DirectMegabytes = 64;
    constexpr int GrowthMegabytes = 64;
    mallopt(M_TRIM_THRESHOLD, KeptMegabytes * 1024 * 1024);
    // Below this, large blocks (a file's text) come from the reusable heap
    // rather than fresh mappings.
    mallopt(M_MMAP_THRESHOLD, DirectMegabytes * 1024 * 1024);
    mallopt(M_TOP_PAD, GrowthMegabytes * 1024 * 1024);
#endif
}

} // namespace stakewell::shared
