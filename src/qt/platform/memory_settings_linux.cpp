#include "qt/platform/memory_settings.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

namespace cal::qtui {

namespace {

constexpr std::size_t kMapThreshold = 8 * 1024 * 1024;

}  // namespace

void keepFreedMemory() {
    mallopt(M_TRIM_THRESHOLD, 64 * 1024 * 1024);
    mallopt(M_MMAP_THRESHOLD, static_cast<int>(kMapThreshold));
}

void prefaultHeap(std::size_t bytes) {
#if defined(MADV_POPULATE_WRITE)
    const long pageSize = sysconf(_SC_PAGESIZE);
    if (pageSize <= 0) return;
    const auto page = static_cast<std::uintptr_t>(pageSize);
    bytes = std::min(bytes, kMapThreshold - page);
    void* block = std::malloc(bytes);
    if (block == nullptr) return;
    const auto start = reinterpret_cast<std::uintptr_t>(block);
    const std::uintptr_t first = (start + page - 1) & ~(page - 1);
    const std::uintptr_t last = (start + bytes) & ~(page - 1);
    // A kernel without the call says so and nothing happens.
    if (last > first) madvise(reinterpret_cast<void*>(first), last - first, MADV_POPULATE_WRITE);
    std::free(block);
#else
    (void)bytes;
#endif
}

}  // namespace cal::qtui
