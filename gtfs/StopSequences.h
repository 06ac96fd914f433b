#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

// The distinct stop sequences of a feed, numbered in the order they are first met. Trips
// that stop at the same stops in the same order share one entry.
class StopSequences {
public:
    using Stops = std::vector<std::uint32_t>;

    std::int32_t intern(const Stops& stops);
    const Stops& stops(std::int32_t sequence) const {
        return *list_[static_cast<std::size_t>(sequence)];
    }
    std::size_t size() const { return list_.size(); }

private:
    struct Hash {
        std::size_t operator()(const Stops& stops) const noexcept;
    };

    std::unordered_map<Stops, std::int32_t, Hash> numbers_;
    std::vector<const Stops*> list_;
};
