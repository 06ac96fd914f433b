#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The ids of one feed file (stop_id, trip_id, ...) numbered 0, 1, 2... in the order they are
// added, found by their text. The ids are kept in one buffer and found through an open-address
// table, since stop_times.txt looks up a stop on each of its rows. The hash is keyed per run
// (KeyedHash.h), so a feed cannot choose ids that all land in one slot.
class IdIndex {
public:
    static constexpr std::uint32_t kMissing = 0xFFFFFFFFu;
    // What an id of no length costs: its start and its share of the table, counted at their
    // largest, while they grow.
    static constexpr std::size_t kBytesPerId = 56;

    // Adds the id as number size(); false, adding nothing, when it is already there.
    bool add(std::string_view id);
    // The id's number, or kMissing.
    std::uint32_t find(std::string_view id) const;
    std::string_view id(std::uint32_t number) const {
        return std::string_view(text_).substr(starts_[number],
                                              starts_[number + 1] - starts_[number]);
    }
    std::uint32_t size() const { return static_cast<std::uint32_t>(starts_.size() - 1); }

private:
    struct Slot {
        std::uint32_t hash = 0;
        std::uint32_t number = kMissing;
    };

    std::uint32_t hashOf(std::string_view id) const;
    std::size_t slotOf(std::string_view id, std::uint32_t hash) const;
    void grow();

    std::string text_;
    std::vector<std::uint32_t> starts_{0};
    std::vector<Slot> slots_;
};
