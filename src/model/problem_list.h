// The list type that holds a catalogue group's problems. Large lists take their memory in bulk
// (see platform/bulk_memory.h); small ones come from the ordinary heap.
#pragma once

#include <cstddef>
#include <new>
#include <vector>

#include "model/dudedur_zadanie.h"
#include "platform/bulk_memory.h"

namespace dudedur {

template <typename T>
struct BulkAllocator {
    using value_type = T;

    BulkAllocator() = default;
    template <typename U>
    BulkAllocator(const BulkAllocator<U>&) {}  // NOLINT: converting, as allocators are

    T* allocate(std::size_t n) {
        const std::size_t bytes = n * sizeof(T);
        if (bytes >= platform::kBulkThreshold) {
            if (void* block = platform::AllocateBulk(bytes)) return static_cast<T*>(block);
            throw std::bad_alloc();
        }
        return std::allocator<T>().allocate(n);
    }
    void deallocate(T* p, std::size_t n) {
        const std::size_t bytes = n * sizeof(T);
        if (bytes >= platform::kBulkThreshold) {
            platform::FreeBulk(p, bytes);
        } else {
            std::allocator<T>().deallocate(p, n);
        }
    }

    template <typename U>
    friend bool operator==(const BulkAllocator&, const BulkAllocator<U>&) {
        return true;
    }
};

using ProblemList = std::vector<DudedurZadanie, BulkAllocator<DudedurZadanie>>;

}  // namespace dudedur
