#include "core/StationNames.h"

#include "core/ShortText.h"

constexpr std::size_t kFirstSlotCount = 1024;

void StationNames::number(const std::vector<std::string_view>& names, int* numbers) {
    // At most half full, so that probe runs stay short.
    while (2 * (size() + names.size()) > slots_.size()) {
        grow();
    }
    const std::size_t mask = slots_.size() - 1;
    hashes_.resize(names.size());
    for (std::size_t k = 0; k < names.size(); ++k) {
        hashes_[k] = shortText::hash(names[k]);
        __builtin_prefetch(&slots_[hashes_[k] & mask]);
    }
    for (std::size_t k = 0; k < names.size(); ++k) {
        const Slot& home = slots_[hashes_[k] & mask];
        if (home.number >= 0) {
            __builtin_prefetch(copiedBytes_.data() + home.copyAt);
        }
    }
    for (std::size_t k = 0; k < names.size(); ++k) {
        numbers[k] = number(names[k], hashes_[k]);
    }
}

int StationNames::number(std::string_view name, std::uint32_t hash) {
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        Slot& slot = slots_[i];
        if (slot.number < 0) {
            slot = {hash, static_cast<std::int32_t>(size()),
                    static_cast<std::uint32_t>(copiedBytes_.size()),
                    static_cast<std::uint32_t>(name.size())};
            copyAt_.push_back(slot.copyAt);
            lengths_.push_back(slot.length);
            copiedBytes_.append(name);
            copiedBytes_.push_back('\0');
            return slot.number;
        }
        if (slot.hash == hash &&
            shortText::same(std::string_view(copiedBytes_.data() + slot.copyAt, slot.length),
                            name)) {
            return slot.number;
        }
    }
}

void StationNames::grow() {
    std::vector<Slot> old(slots_.empty() ? kFirstSlotCount : 2 * slots_.size());
    old.swap(slots_);
    const std::size_t mask = slots_.size() - 1;
    for (const Slot& slot : old) {
        if (slot.number < 0) {
            continue;
        }
        std::size_t i = slot.hash & mask;
        while (slots_[i].number >= 0) {
            i = (i + 1) & mask;
        }
        slots_[i] = slot;
    }
}
