#include "gtfs/KeyedHash.h"

#include <chrono>
#include <cstring>
#include <random>

namespace {

// The high and low halves of a full product folded together: every bit of the result depends
// on every bit of both factors.
std::uint64_t foldedProduct(std::uint64_t a, std::uint64_t b) {
    const unsigned __int128 product = static_cast<unsigned __int128>(a) * b;
    return static_cast<std::uint64_t>(product) ^ static_cast<std::uint64_t>(product >> 64);
}

std::uint64_t runKey() {
    static const std::uint64_t key = [] {
        std::random_device device;
        // Some platforms' random_device is deterministic, so the clock is mixed in too.
        const auto now = static_cast<std::uint64_t>(
            std::chrono::high_resolution_clock::now().time_since_epoch().count());
        return (static_cast<std::uint64_t>(device()) << 32 ^ device()) ^
               foldedProduct(now, 0x9E3779B97F4A7C15ull);
    }();
    return key;
}

}  // namespace

std::uint64_t keyedHash(std::string_view bytes) {
    constexpr std::uint64_t kOdd1 = 0xA0761D6478BD642Full;
    constexpr std::uint64_t kOdd2 = 0xE7037ED1A0B428DBull;
    const std::uint64_t key = runKey();
    std::uint64_t hash = key ^ foldedProduct(bytes.size(), kOdd1);
    while (bytes.size() >= 8) {
        std::uint64_t word;
        std::memcpy(&word, bytes.data(), 8);
        hash = foldedProduct(hash ^ word, key ^ kOdd2);
        bytes.remove_prefix(8);
    }
    std::uint64_t tail = 0;
    if (!bytes.empty()) {
        std::memcpy(&tail, bytes.data(), bytes.size());
    }
    hash = foldedProduct(hash ^ tail, key ^ kOdd1);
    return foldedProduct(hash, kOdd2);
}
