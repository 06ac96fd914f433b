#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/Route.h"

// Numbers the distinct station names of all routes in unsigned byte order, the first being 0,
// and remembers the number of every entry of every station list, so that writing the files
// needs no further lookups. The names point into the routes, which must outlive the table.
class StationTable {
public:
    explicit StationTable(const std::vector<std::unique_ptr<Route>>& routes);

    std::size_t size() const { return names_.size(); }
    const std::vector<std::string_view>& names() const { return names_; }

    // The station numbers of a route's up or down list, entry by entry; empty for a route
    // whose reference is empty.
    const std::vector<int>& upNumbers(std::size_t routeIndex) const { return up_[routeIndex]; }
    const std::vector<int>& downNumbers(std::size_t routeIndex) const { return down_[routeIndex]; }

private:
    std::vector<std::string_view> names_;
    std::vector<std::vector<int>> up_;
    std::vector<std::vector<int>> down_;
};
