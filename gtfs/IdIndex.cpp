#include "gtfs/IdIndex.h"

#include "gtfs/KeyedHash.h"

std::uint32_t IdIndex::hashOf(std::string_view id) const {
    return static_cast<std::uint32_t>(keyedHash(id));
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
