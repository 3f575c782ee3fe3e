#pragma once
// The hash of the kernel's name tables. It is seeded per process with a value the author of a
// file cannot know, and the seed enters before the first byte, so that names cannot be chosen to
// crowd one part of a table and make every look-up slow.
//
// Names are mostly short: up to sixteen bytes are read as two (possibly overlapping) words with
// no loop and no call, and longer names sixteen bytes a step.

#include <cstdint>
#include <cstring>
#include <string_view>

namespace vxw {

uint64_t NameHashSeed();

namespace name_hash {

inline uint64_t Load64(const char* p) {
    uint64_t value;
    std::memcpy(&value, p, sizeof value);
    return value;
}
inline uint64_t Load32(const char* p) {
    uint32_t value;
    std::memcpy(&value, p, sizeof value);
    return value;
}
// The two halves of the full product folded together: every input bit reaches most output bits.
#ifdef __SIZEOF_INT128__
__extension__ typedef unsigned __int128 Wide;
inline uint64_t Mix(uint64_t a, uint64_t b) {
    const Wide product = static_cast<Wide>(a) * b;
    return static_cast<uint64_t>(product) ^ static_cast<uint64_t>(product >> 64);
}
#else
inline uint64_t Mix(uint64_t a, uint64_t b) {
    const uint64_t low = a * b;
    const uint64_t high = (a >> 32) * (b >> 32) + (((a & 0xFFFFFFFFull) * (b >> 32)) >> 32) +
                          (((a >> 32) * (b & 0xFFFFFFFFull)) >> 32);
    return low ^ high;
}
#endif
// Up to eight bytes as one word that, with the length, tells every such text apart.
inline uint64_t ShortWord(const char* p, std::size_t n) {
    if (n >= 8) {
        return Load64(p);
    }
    if (n >= 4) {
        return Load32(p) | (Load32(p + n - 4) << 32);
    }
    if (n > 0) {
        const auto byte = [&](std::size_t i) {
            return static_cast<uint64_t>(static_cast<unsigned char>(p[i]));
        };
        return (byte(0) << 16) | (byte(n >> 1) << 8) | byte(n - 1);
    }
    return 0;
}

constexpr uint64_t K0 = 0xA0761D6478BD642Full;
constexpr uint64_t K1 = 0xE7037ED1A0B428DBull;
constexpr uint64_t K2 = 0x8EBC6AF09C88C6E3ull;

} // namespace name_hash

inline uint64_t NameHash(std::string_view name, uint64_t seed) {
    using namespace name_hash;
    const char* p = name.data();
    std::size_t n = name.size();
    uint64_t state = Mix(seed ^ K0, K1);
    uint64_t a = 0, b = 0;
    if (n <= 16) {
        if (n > 8) {
            a = Load64(p);
            b = Load64(p + n - 8);
        } else {
            a = ShortWord(p, n);
        }
    } else {
        for (; n > 16; p += 16, n -= 16) {
            state = Mix(Load64(p) ^ K1, Load64(p + 8) ^ state);
        }
        a = Load64(p + n - 16);
        b = Load64(p + n - 8);
    }
    return Mix(K2 ^ name.size(), Mix(a ^ K1, b ^ state));
}

// The first bytes of a name as one word, which with the length tells apart every name of up to
// NameHeadBytes bytes: a table that keeps it beside the hash compares short names without reading
// their text.
inline constexpr std::size_t NameHeadBytes = 8;
inline uint64_t NameHead(std::string_view name) {
    return name_hash::ShortWord(name.data(), name.size());
}

} // namespace vxw
