#include "kernel/NameHash.h"

#include <chrono>
#include <functional>

namespace vxw {

uint64_t NameHashSeed() {
    static const uint64_t seed = [] {
        const auto now = static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
        const auto place = static_cast<uint64_t>(reinterpret_cast<std::uintptr_t>(&now));
        return ((now * 0x9E3779B97F4A7C15ull) ^ place) | 1;
    }();
    return seed;
}

uint64_t NameHash(std::string_view name, uint64_t seed) {
    uint64_t hash = std::hash<std::string_view>{}(name) ^ seed;
    hash *= 0x9E3779B97F4A7C15ull;
    return hash ^ (hash >> 29);
}

} // namespace vxw
