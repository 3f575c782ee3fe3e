#include "kernel/LargeBlocks.h"

#include <sys/mman.h>

namespace vxw {
namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool FromSystem = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool FromSystem = false;
#else
constexpr bool FromSystem = true;
#endif
#else
constexpr bool FromSystem = true;
#endif

bool Large(std::size_t bytes) {
    return FromSystem && bytes >= LargeBlockBytes;
}

} // namespace

void* AllocateBlock(std::size_t bytes) {
    if (!Large(bytes)) {
        return ::operator new(bytes);
    }
    void* block = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (block == MAP_FAILED) {
        throw std::bad_alloc();
    }
    // Only a request: a system without huge pages, or with none free, gives small ones.
    madvise(block, bytes, MADV_HUGEPAGE);
    return block;
}

void FreeBlock(void* block, std::size_t bytes) noexcept {
    if (block == nullptr) {
        return;
    }
    if (!Large(bytes)) {
        ::operator delete(block);
        return;
    }
    munmap(block, bytes);
}

} // namespace vxw
