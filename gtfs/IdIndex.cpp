#include "gtfs/IdIndex.h"

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

IdIndex::IdIndex() : key_(runKey()) {}

std::uint32_t IdIndex::hashOf(std::string_view id) const {
    constexpr std::uint64_t kOdd1 = 0xA0761D6478BD642Full;
    constexpr std::uint64_t kOdd2 = 0xE7037ED1A0B428DBull;
    std::uint64_t hash = key_ ^ foldedProduct(id.size(), kOdd1);
    while (id.size() >= 8) {
        std::uint64_t word;
        std::memcpy(&word, id.data(), 8);
        hash = foldedProduct(hash ^ word, key_ ^ kOdd2);
        id.remove_prefix(8);
    }
    std::uint64_t tail = 0;
    if (!id.empty()) {
        std::memcpy(&tail, id.data(), id.size());
    }
    hash = foldedProduct(hash ^ tail, key_ ^ kOdd1);
    return static_cast<std::uint32_t>(foldedProduct(hash, kOdd2));
}

// The slot holding the id, or the empty slot where it would go.
std::size_t IdIndex::slotOf(std::string_view id, std::uint32_t hash) const {
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t slot = hash & mask;; slot = (slot + 1) & mask) {
        const Slot& entry = slots_[slot];
        if (entry.number == kMissing || (entry.hash == hash && this->id(entry.number) == id)) {
            return slot;
        }
    }
}

void IdIndex::grow() {
    std::vector<Slot> old = std::move(slots_);
    slots_.assign(old.empty() ? 1024 : old.size() * 2, Slot());
    for (const Slot& entry : old) {
        if (entry.number != kMissing) {
            slots_[slotOf(id(entry.number), entry.hash)] = entry;
        }
    }
}

bool IdIndex::add(std::string_view id) {
    // At most half full, so that searches stay short and always meet an empty slot.
    if ((static_cast<std::size_t>(size()) + 1) * 2 > slots_.size()) {
        grow();
    }
    const std::uint32_t hash = hashOf(id);
    Slot& entry = slots_[slotOf(id, hash)];
    if (entry.number != kMissing) {
        return false;
    }
    entry = {hash, size()};
    text_.append(id);
    starts_.push_back(static_cast<std::uint32_t>(text_.size()));
    return true;
}

std::uint32_t IdIndex::find(std::string_view id) const {
    if (slots_.empty()) {
        return kMissing;
    }
    return slots_[slotOf(id, hashOf(id))].number;
}
