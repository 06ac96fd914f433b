#include "gtfs/StopSequences.h"

std::size_t StopSequences::Hash::operator()(const Stops& stops) const {
    std::uint64_t hash = 1469598103934665603ull;
    for (const std::uint32_t stop : stops) {
        hash = (hash ^ stop) * 1099511628211ull;
    }
    return static_cast<std::size_t>(hash);
}

std::int32_t StopSequences::intern(const Stops& stops) {
    const auto [entry, added] = numbers_.emplace(stops, static_cast<std::int32_t>(list_.size()));
    if (added) {
        // Keys of an unordered_map stay where they are when it grows.
        list_.push_back(&entry->first);
    }
    return entry->second;
}
