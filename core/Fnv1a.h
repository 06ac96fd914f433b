#pragma once

#include <cstdint>
#include <string_view>

// FNV-1a hashes: each value in turn is mixed in with xor, then the hash is multiplied by the
// prime. Quick, and good enough to tell texts apart or to spread keys over a hash table.

inline std::uint32_t fnv1a32(std::string_view bytes) {
    std::uint32_t hash = 2166136261u;
    for (const char byte : bytes) {
        hash = (hash ^ static_cast<unsigned char>(byte)) * 16777619u;
    }
    return hash;
}

// Over a sequence of unsigned values, each mixed in whole.
template <typename Values>
std::uint64_t fnv1a64(const Values& values) {
    std::uint64_t hash = 1469598103934665603ull;
    for (const auto value : values) {
        hash = (hash ^ value) * 1099511628211ull;
    }
    return hash;
}
