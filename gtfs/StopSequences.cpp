#include "gtfs/StopSequences.h"

#include "gtfs/KeyedHash.h"

std::size_t StopSequences::Hash::operator()(const Stops& stops) const noexcept {
    return static_cast<std::size_t>(keyedHash(std::string_view(
        reinterpret_cast<const char*>(stops.data()), stops.size() * sizeof(stops.front()))));
}

std::int32_t StopSequences::intern(const Stops& stops) {
    const auto [entry, added] = numbers_.emplace(stops, static_cast<std::int32_t>(list_.size()));
    if (added) {
        // Keys of an unordered_map stay where they are when it grows.
        list_.push_back(&entry->first);
    }
    return entry->second;
}
