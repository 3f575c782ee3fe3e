#pragma once
// Memory for the large tables a design load builds. A block of a few megabytes or more comes
// straight from the system with a request for huge pages, so that filling a table of 100 MB costs
// a few dozen page faults rather than tens of thousands: on a large design those faults, and the
// system time they take, were a third of the whole load. Smaller blocks come from the usual heap.
//
// Under AddressSanitizer every block comes from the heap, so that the sanitizer keeps checking
// the tables' bounds.

#include <cstddef>
#include <new>
#include <vector>

namespace vxw {

// Blocks of at least this many bytes come from the system.
inline constexpr std::size_t LargeBlockBytes = std::size_t{2} << 20;

// Both throw std::bad_alloc when the system has no memory to give.
void* AllocateBlock(std::size_t bytes);
void FreeBlock(void* block, std::size_t bytes) noexcept;

// An allocator for containers that may grow to large blocks; a block is given back with the size
// it was taken with, which tells which of the two sources it came from.
template <typename T> struct LargeBlockAllocator {
    using value_type = T;
    LargeBlockAllocator() noexcept = default;
    template <typename U> LargeBlockAllocator(const LargeBlockAllocator<U>&) noexcept {}

    T* allocate(std::size_t count) {
        if (count > static_cast<std::size_t>(-1) / sizeof(T)) {
            throw std::bad_alloc();
        }
        return static_cast<T*>(AllocateBlock(count * sizeof(T)));
    }
    void deallocate(T* block, std::size_t count) noexcept { FreeBlock(block, count * sizeof(T)); }

    template <typename U> bool operator==(const LargeBlockAllocator<U>&) const noexcept { return true; }
};

template <typename T> using LargeVector = std::vector<T, LargeBlockAllocator<T>>;

} // namespace vxw
