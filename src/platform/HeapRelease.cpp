#include "platform/HeapRelease.h"

#include <cstdlib> // defines __GLIBC__ on the GNU C library

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace HeapRelease {

void releaseFreePages() {
#if defined(__GLIBC__)
    // Also the free pages between allocations, not only those at the heap's top.
    malloc_trim(0);
#endif
}

} // namespace HeapRelease
