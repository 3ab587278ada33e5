// The program's memory settings: freed memory stays for the next picture.

#include "qt/memory_settings.h"

#include <cstdlib>

// The sanitizers bring an allocator of their own.
#if defined(__GLIBC__) && !defined(__SANITIZE_ADDRESS__)
#define CALENDAR_GLIBC_MALLOC 1
#include <malloc.h>
#endif

#include <gtest/gtest.h>

namespace cal {
namespace {

#ifdef CALENDAR_GLIBC_MALLOC
TEST(MemorySettings, APictureSizedBlockComesFromTheHeapAndStaysThere) {
    keepFreedMemory();
    const std::size_t mapped = mallinfo2().hblkhd;
    // A 2000 × 1500 picture's rows: mapped afresh by default, which is
    // what the settings avoid.
    void* block = std::malloc(std::size_t{4} * 1024 * 1024);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(mallinfo2().hblkhd, mapped);
    std::free(block);
    EXPECT_GE(mallinfo2().fordblks, std::size_t{4} * 1024 * 1024);
}
#endif

}  // namespace
}  // namespace cal
