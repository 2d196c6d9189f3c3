#pragma once

#include <cstddef>
#include <cstdlib>
#include <memory>
#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace Engine {

// An allocator for arrays of millions of small entries. A fresh block of tens
// of megabytes costs thousands of page faults on first touch, which in a
// virtual machine took longer than the analysis that fills it; asking for
// huge pages turns them into a handful. Small blocks go to the usual heap.
template <typename T>
class BulkAllocator {
public:
    using value_type = T;

    BulkAllocator() = default;
    template <typename U>
    BulkAllocator(const BulkAllocator<U>&) noexcept {}

    T* allocate(std::size_t count)
    {
        if (count > static_cast<std::size_t>(-1) / sizeof(T))
            throw std::bad_array_new_length();
        const std::size_t bytes = count * sizeof(T);
        if (bytes < Threshold)
            return std::allocator<T>().allocate(count);
        void* block = std::aligned_alloc(HugePage, RoundUp(bytes));
        if (!block)
            throw std::bad_alloc();
#if defined(__linux__) && defined(MADV_HUGEPAGE)
        madvise(block, RoundUp(bytes), MADV_HUGEPAGE);  // only a hint: failure is harmless
#endif
        return static_cast<T*>(block);
    }

    void deallocate(T* block, std::size_t count) noexcept
    {
        if (count * sizeof(T) < Threshold)
            std::allocator<T>().deallocate(block, count);
        else
            std::free(block);
    }

    template <typename U>
    bool operator==(const BulkAllocator<U>&) const noexcept { return true; }

private:
    static constexpr std::size_t HugePage = std::size_t{2} << 20;
    static constexpr std::size_t Threshold = std::size_t{4} << 20;
    static std::size_t RoundUp(std::size_t bytes) { return (bytes + HugePage - 1) / HugePage * HugePage; }
};

}  // namespace Engine
