#include "core/StationTable.h"

#include <algorithm>
#include <numeric>
#include <unordered_map>

StationTable::StationTable(const std::vector<std::unique_ptr<Route>>& routes)
    : up_(routes.size()), down_(routes.size()) {
    // Numbers in order of first appearance, then renumbered in byte order once all are known.
    std::unordered_map<std::string_view, int> seen;
    std::vector<std::string_view> firstSeen;
    auto number = [&](const std::vector<std::string>& list, std::vector<int>& numbers) {
        numbers.reserve(list.size());
        for (const std::string& name : list) {
            auto [it, inserted] = seen.try_emplace(name, static_cast<int>(firstSeen.size()));
            if (inserted) {
                firstSeen.push_back(name);
            }
            numbers.push_back(it->second);
        }
    };
    for (std::size_t i = 0; i < routes.size(); ++i) {
        if (routes[i]) {
            number(routes[i]->upStations, up_[i]);
            number(routes[i]->downStations, down_[i]);
        }
    }

    std::vector<int> order(firstSeen.size());
    std::iota(order.begin(), order.end(), 0);
    // std::string_view compares as unsigned bytes, a prefix first.
    std::sort(order.begin(), order.end(),
              [&](int a, int b) { return firstSeen[a] < firstSeen[b]; });
    std::vector<int> finalNumber(firstSeen.size());
    names_.reserve(order.size());
    for (std::size_t n = 0; n < order.size(); ++n) {
        finalNumber[order[n]] = static_cast<int>(n);
        names_.push_back(firstSeen[order[n]]);
    }
    for (auto* lists : {&up_, &down_}) {
        for (std::vector<int>& numbers : *lists) {
            for (int& n : numbers) {
                n = finalNumber[n];
            }
        }
    }
}
