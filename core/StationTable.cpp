#include "core/StationTable.h"

#include <algorithm>
#include <numeric>

#include "core/StationNames.h"

StationTable::StationTable(const std::vector<std::unique_ptr<Route>>& routes)
    : up_(routes.size()), down_(routes.size()) {
    std::size_t entries = 0;
    for (const auto& route : routes) {
        if (route) {
            entries += route->upStations.size() + route->downStations.size();
        }
    }
    numbers_.reserve(entries);

    // Numbers in order of first appearance, then renumbered in byte order once all are known.
    StationNames firstSeen;
    std::vector<std::string_view> lookups;
    std::vector<std::size_t> lookupAt;
    auto numberLookups = [&] {
        std::vector<int> found(lookups.size());
        firstSeen.number(lookups, found.data());
        for (std::size_t k = 0; k < found.size(); ++k) {
            numbers_[lookupAt[k]] = found[k];
        }
        lookups.clear();
        lookupAt.clear();
    };
    for (std::size_t i = 0; i < routes.size(); ++i) {
        if (!routes[i]) {
            continue;
        }
        const std::vector<std::string>& up = routes[i]->upStations;
        const std::vector<std::string>& down = routes[i]->downStations;
        up_[i] = {numbers_.size(), up.size()};
        down_[i] = {up_[i].first + up.size(), down.size()};
        numbers_.resize(down_[i].first + down.size());
        for (std::size_t k = 0; k < up.size(); ++k) {
            lookups.push_back(up[k]);
            lookupAt.push_back(up_[i].first + k);
        }
        numberLookups();
        // A down list mostly runs the up list backwards: an entry equal to its mirror in the
        // up list takes that number without a lookup.
        for (std::size_t k = 0; k < down.size(); ++k) {
            const std::size_t mirror = up.size() - 1 - k;
            if (k < up.size() && down[k] == up[mirror]) {
                numbers_[down_[i].first + k] = numbers_[up_[i].first + mirror];
            } else {
                lookups.push_back(down[k]);
                lookupAt.push_back(down_[i].first + k);
            }
        }
        numberLookups();
    }

    std::vector<int> order(firstSeen.size());
    std::iota(order.begin(), order.end(), 0);
    // std::string_view compares as unsigned bytes, a prefix first.
    std::sort(order.begin(), order.end(),
              [&](int a, int b) { return firstSeen.copy(a) < firstSeen.copy(b); });
    std::vector<int> finalNumber(order.size());
    names_.reserve(order.size());
    for (std::size_t n = 0; n < order.size(); ++n) {
        finalNumber[order[n]] = static_cast<int>(n);
        names_.push_back(firstSeen.name(order[n]));
    }
    for (int& n : numbers_) {
        n = finalNumber[n];
    }
}
