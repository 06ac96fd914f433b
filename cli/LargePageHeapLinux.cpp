#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>

#include "cli/LargePageHeap.h"

// Grows the heap once by a large reserve that the kernel may back with huge pages, and keeps
// big buffers in it instead of separate mappings. Memory never touched is never allocated.
// Where the reserve does not fit (a limit on the address space), the heap stays as it was.
void placeHeapOnLargePages() {
    constexpr std::size_t kReserve = std::size_t{128} << 20;
    constexpr std::size_t kDefaultTopPad = std::size_t{128} << 10;
    constexpr std::size_t kDefaultMmapThreshold = std::size_t{128} << 10;
    constexpr std::uintptr_t kHugePage = std::uintptr_t{2} << 20;
    const auto begin = reinterpret_cast<std::uintptr_t>(sbrk(0));
    mallopt(M_MMAP_THRESHOLD, kReserve);
    mallopt(M_TOP_PAD, kReserve);
    void* volatile block = std::malloc(kReserve - kHugePage);
    // Left large, the pad would make every later growth of the heap ask for the reserve again.
    mallopt(M_TOP_PAD, kDefaultTopPad);
    if (block == nullptr) {
        mallopt(M_MMAP_THRESHOLD, kDefaultMmapThreshold);
        return;
    }
    // Freed, the block leaves the heap grown by it and the pad, kept below the trim threshold.
    mallopt(M_TRIM_THRESHOLD, 4 * kReserve);
    std::free(block);
    const auto end = reinterpret_cast<std::uintptr_t>(sbrk(0));
    const std::uintptr_t start = (begin + kHugePage - 1) & ~(kHugePage - 1);
    if (end > start) {
        madvise(reinterpret_cast<void*>(start), end - start, MADV_HUGEPAGE);
    }
}
