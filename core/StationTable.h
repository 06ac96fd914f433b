#pragma once

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

#include "core/NumberList.h"
#include "core/Route.h"

// Numbers the distinct station names of all routes in unsigned byte order, the first being 0,
// and remembers the number of every entry of every station list, so that writing the files
// needs no further lookups. The names point into the routes, which must outlive the table.
class StationTable {
public:
    explicit StationTable(const std::vector<std::unique_ptr<Route>>& routes);
    // The lists point into the table's own array.
    StationTable(const StationTable&) = delete;
    StationTable& operator=(const StationTable&) = delete;

    std::size_t size() const { return names_.size(); }
    const std::vector<std::string_view>& names() const { return names_; }

    // The station numbers of a route's up or down list, entry by entry; empty for a route
    // whose reference is empty.
    NumberList upNumbers(std::size_t routeIndex) const { return list(up_[routeIndex]); }
    NumberList downNumbers(std::size_t routeIndex) const { return list(down_[routeIndex]); }

private:
    struct Span {
        std::size_t first = 0;
        std::size_t count = 0;
    };
    NumberList list(Span span) const { return {numbers_.data() + span.first, span.count}; }

    std::vector<std::string_view> names_;
    std::vector<int> numbers_;  // the numbers of all lists, one after the other
    std::vector<Span> up_;
    std::vector<Span> down_;
};
