#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>

// Equality and hashing of short byte strings such as station names, which are mostly 4 to 16
// bytes long: a call of memcmp or memcpy per name cost more than the comparison itself. Both
// read a text in fixed-size words that may overlap but never pass its end.

namespace shortText {

inline std::uint64_t word8(const char* at) {
    std::uint64_t word;
    std::memcpy(&word, at, sizeof word);
    return word;
}

inline std::uint32_t word4(const char* at) {
    std::uint32_t word;
    std::memcpy(&word, at, sizeof word);
    return word;
}

inline bool same(std::string_view a, std::string_view b) {
    const std::size_t n = a.size();
    if (n != b.size()) {
        return false;
    }
    if (n >= 8 && n <= 16) {
        return word8(a.data()) == word8(b.data()) &&
               word8(a.data() + n - 8) == word8(b.data() + n - 8);
    }
    if (n >= 4 && n < 8) {
        return word4(a.data()) == word4(b.data()) &&
               word4(a.data() + n - 4) == word4(b.data() + n - 4);
    }
    return std::memcmp(a.data(), b.data(), n) == 0;
}

// Equal texts hash alike; the order of the bytes within a word does not matter.
inline std::uint32_t hash(std::string_view text) {
    constexpr std::uint64_t kMultiplier = 0x9E3779B97F4A7C15u;
    std::uint64_t mixed = text.size() * kMultiplier;
    auto mix = [&mixed](std::uint64_t word) {
        mixed = (mixed ^ word) * kMultiplier;
        mixed ^= mixed >> 29;
    };
    const std::size_t n = text.size();
    const char* at = text.data();
    if (n >= 8) {
        std::size_t i = 0;
        for (; i + 8 < n; i += 8) {
            mix(word8(at + i));
        }
        mix(word8(at + n - 8));
    } else if (n >= 4) {
        mix(word4(at) | std::uint64_t{word4(at + n - 4)} << 32);
    } else {
        std::uint64_t word = 0;
        std::memcpy(&word, at, n);
        mix(word);
    }
    return static_cast<std::uint32_t>(mixed ^ (mixed >> 32));
}

}  // namespace shortText
