#include "kernel/NameHash.h"

#include <chrono>

namespace vxw {

uint64_t NameHashSeed() {
    static const uint64_t seed = [] {
        const auto now = static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
        const auto place = static_cast<uint64_t>(reinterpret_cast<std::uintptr_t>(&now));
        return ((now * 0x9E3779B97F4A7C15ull) ^ place) | 1;
    }();
    return seed;
}

} // namespace vxw
