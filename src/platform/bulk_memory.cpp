#include "platform/bulk_memory.h"

#include <sys/mman.h>

#include <cstdint>

namespace dudedur::platform {
namespace {

constexpr std::size_t kPage = std::size_t{4} << 10;
constexpr std::size_t kLargePage = std::size_t{2} << 20;
#ifdef MADV_POPULATE_WRITE
constexpr int kPopulateWrite = MADV_POPULATE_WRITE;
#else
constexpr int kPopulateWrite = 23;  // Linux 5.14 and later
#endif

std::size_t RoundUp(std::size_t bytes, std::size_t unit) {
    return (bytes + unit - 1) / unit * unit;
}

// The size of the mapping that backs a block of `bytes`.
std::size_t MappedSize(std::size_t bytes) {
    return bytes >= kLargePage ? RoundUp(bytes, kLargePage) : RoundUp(bytes, kPage);
}

}  // namespace

void* AllocateBulk(std::size_t bytes) {
    const std::size_t size = MappedSize(bytes);
    void* block = nullptr;
    if (size < kLargePage) {
        block = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (block == MAP_FAILED) return nullptr;
    } else {
        // Map one large page more than needed and trim both ends, so that the block starts on a
        // large-page boundary, where the kernel can back it with large pages.
        void* mapped = mmap(nullptr, size + kLargePage, PROT_READ | PROT_WRITE,
                            MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (mapped == MAP_FAILED) return nullptr;
        const auto start = reinterpret_cast<std::uintptr_t>(mapped);
        const std::uintptr_t aligned = RoundUp(start, kLargePage);
        const std::uintptr_t end = start + size + kLargePage;
        if (aligned > start) munmap(mapped, aligned - start);
        if (end > aligned + size) {
            munmap(reinterpret_cast<void*>(aligned + size), end - (aligned + size));
        }
        block = reinterpret_cast<void*>(aligned);
        madvise(block, size, MADV_HUGEPAGE);  // a hint: the block works without large pages
    }
    // Also a hint, unknown to kernels before 5.14: the pages then come one fault at a time.
    madvise(block, size, kPopulateWrite);
    return block;
}

void FreeBulk(void* memory, std::size_t bytes) {
    if (memory != nullptr) munmap(memory, MappedSize(bytes));
}

}  // namespace dudedur::platform
