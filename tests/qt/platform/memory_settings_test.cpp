// The program's memory settings: freed memory stays for the next picture,
// and the heap a window takes first is in memory before it is written.

#include "qt/platform/memory_settings.h"

#include <cstdlib>

// The sanitizers bring an allocator of their own.
#if defined(__GLIBC__) && !defined(__SANITIZE_ADDRESS__)
#define CALENDAR_GLIBC_MALLOC 1
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>
#endif

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace cal {
namespace {

#ifdef CALENDAR_GLIBC_MALLOC
TEST(MemorySettings, APictureSizedBlockComesFromTheHeapAndStaysThere) {
    qtui::keepFreedMemory();
    const std::size_t mapped = mallinfo2().hblkhd;
    // A 2000 × 1500 picture's rows: mapped afresh by default, which is
    // what the settings avoid.
    void* block = std::malloc(std::size_t{4} * 1024 * 1024);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(mallinfo2().hblkhd, mapped);
    std::free(block);
    EXPECT_GE(mallinfo2().fordblks, std::size_t{4} * 1024 * 1024);
}

#ifdef MADV_POPULATE_WRITE
// Pages of the block not yet in memory.
std::size_t pagesAway(void* block, std::size_t bytes) {
    const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const auto start = reinterpret_cast<std::uintptr_t>(block);
    const std::uintptr_t first = (start + page - 1) & ~(page - 1);
    const std::uintptr_t last = (start + bytes) & ~(page - 1);
    std::vector<unsigned char> resident((last - first) / page);
    if (mincore(reinterpret_cast<void*>(first), last - first, resident.data()) != 0) return resident.size();
    std::size_t away = 0;
    for (unsigned char r : resident) away += (r & 1) == 0 ? 1 : 0;
    return away;
}

TEST(MemorySettings, HeapTakenAfterPrefaultingIsInMemoryBeforeItIsWritten) {
    constexpr std::size_t kMiB = 1024 * 1024;
    qtui::keepFreedMemory();
    qtui::prefaultHeap(6 * kMiB);
    void* first = std::malloc(2 * kMiB);
    void* second = std::malloc(2 * kMiB);
    // Past what was prefaulted: fresh heap, away until written.
    void* beyond = std::malloc(4 * kMiB);
    ASSERT_TRUE(first != nullptr && second != nullptr && beyond != nullptr);
    const std::size_t awayBeyond = pagesAway(beyond, 4 * kMiB);
    EXPECT_EQ(pagesAway(first, 2 * kMiB), 0u);
    EXPECT_EQ(pagesAway(second, 2 * kMiB), 0u);
    std::free(beyond);
    std::free(second);
    std::free(first);
    if (awayBeyond == 0) GTEST_SKIP() << "this heap had its memory in already: the check above proves nothing";
}
#endif
#endif

}  // namespace
}  // namespace cal
