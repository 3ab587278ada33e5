#include "qt/platform/memory_settings.h"

namespace cal::qtui {

// Only the GNU C library on Linux offers these settings.
void keepFreedMemory() {}

void prefaultHeap(std::size_t) {}

}  // namespace cal::qtui
