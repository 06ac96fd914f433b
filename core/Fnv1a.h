#pragma once

#include <cstdint>
#include <string_view>

// FNV-1a: each byte or unit in turn is mixed in with xor, then the hash is multiplied by the
// prime. Quick, and good enough to tell texts apart; not for keys a feed or a user can choose.

inline constexpr std::uint64_t kFnv1a64Basis = 0xcbf29ce484222325ull;

inline std::uint32_t fnv1a32(std::string_view bytes) {
    std::uint32_t hash = 2166136261u;
    for (const char byte : bytes) {
        hash = (hash ^ static_cast<unsigned char>(byte)) * 16777619u;
    }
    return hash;
}

// Over UTF-16 units, each mixed in whole, going on from hash: a text in parts hashes as the
// parts one after the other.
inline std::uint64_t fnv1a64(std::u16string_view units, std::uint64_t hash = kFnv1a64Basis) {
    for (const char16_t unit : units) {
        hash = (hash ^ unit) * 0x100000001b3ull;
    }
    return hash;
}
