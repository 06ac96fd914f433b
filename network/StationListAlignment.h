#pragma once

#include <string>
#include <vector>

// Which entries two station lists keep in common: a longest common subsequence, so that an
// inserted or removed station leaves the rest of the list matched.
struct StationListAlignment {
    // For each entry of the first list, the position of its partner in the second, or -1.
    std::vector<int> partnerOfBefore;
    // For each entry of the second list, the position of its partner in the first, or -1.
    std::vector<int> partnerOfAfter;
};

StationListAlignment alignStationLists(const std::vector<std::string>& before,
                                       const std::vector<std::string>& after);
