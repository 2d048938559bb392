// Memory for large arrays that are filled at once. The pages are taken in one call rather than
// one fault at a time, and blocks of large-page size are backed by large pages where the system
// has them: touching fresh memory page by page can cost more than filling it.
#pragma once

#include <cstddef>

namespace dudedur::platform {

// Blocks at least this large should come from AllocateBulk; smaller ones are better served by
// the ordinary heap.
inline constexpr std::size_t kBulkThreshold = std::size_t{64} << 10;

// Returns zeroed memory of at least `bytes` bytes, aligned to at least 4 KiB, or nullptr when
// the system has none to give.
void* AllocateBulk(std::size_t bytes);

// Returns memory from AllocateBulk; `bytes` is the size that was asked for.
void FreeBulk(void* memory, std::size_t bytes);

}  // namespace dudedur::platform
