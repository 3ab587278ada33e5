#include "qt/memory_settings.h"

#include <cstdlib>  // defines __GLIBC__ on the GNU C library

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace cal {

void keepFreedMemory() {
#ifdef __GLIBC__
    mallopt(M_TRIM_THRESHOLD, 64 * 1024 * 1024);
    mallopt(M_MMAP_THRESHOLD, 8 * 1024 * 1024);
#endif
}

}  // namespace cal
