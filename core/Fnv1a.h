#pragma once

#include <cstdint>
#include <string_view>

// FNV-1a: each byte in turn is mixed in with xor, then the hash is multiplied by the prime.
// Quick, and good enough to tell texts apart; not for keys a feed or a user can choose.

inline std::uint32_t fnv1a32(std::string_view bytes) {
    std::uint32_t hash = 2166136261u;
    for (const char byte : bytes) {
        hash = (hash ^ static_cast<unsigned char>(byte)) * 16777619u;
    }
    return hash;
}
