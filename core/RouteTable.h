#pragma once

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

#include "core/NumberList.h"
#include "core/Route.h"
#include "core/StationNames.h"
#include "core/TripText.h"

// The routes of a city as the data files need them: the texts that each route's trips are
// made of, and its up and down lists as numbers of distinct station names. While routes are
// added, names are numbered in order of first appearance; numberInByteOrder() then numbers
// them in unsigned byte order, the first being 0. The texts stay views into what they were
// read from, so that the converter never copies a route into strings of its own.
class RouteTable {
public:
    RouteTable() = default;
    // Adds every route that is not empty and numbers the names in byte order. The routes must
    // outlive the table.
    explicit RouteTable(const std::vector<std::unique_ptr<Route>>& routes);
    RouteTable(const RouteTable&) = delete;
    RouteTable& operator=(const RouteTable&) = delete;

    // The texts and names that the views point to must outlive the table.
    void add(const TripTextParts& texts, const std::vector<std::string_view>& up,
             const std::vector<std::string_view>& down);
    // Call once, after the last add().
    void numberInByteOrder();

    std::size_t routeCount() const { return routes_.size(); }
    const TripTextParts& texts(std::size_t route) const { return routes_[route].texts; }
    NumberList upNumbers(std::size_t route) const {
        return {numbers_.data() + routes_[route].first, routes_[route].upCount};
    }
    NumberList downNumbers(std::size_t route) const {
        const Entry& entry = routes_[route];
        return {numbers_.data() + entry.first + entry.upCount, entry.downCount};
    }

    // The entries of all up and down lists together.
    std::size_t stopCount() const { return numbers_.size(); }
    std::size_t stationCount() const { return names_.size(); }
    // The table's own copy of the name, followed by a NUL byte.
    std::string_view name(int number) const { return names_.name(byteOrder_[number]); }

private:
    struct Entry {
        TripTextParts texts;
        std::size_t first = 0;  // in numbers_: the up list, then the down list
        std::size_t upCount = 0;
        std::size_t downCount = 0;
    };

    StationNames names_;
    std::vector<int> byteOrder_;  // by final number, the number of first appearance
    std::vector<int> numbers_;    // the numbers of all lists, one after the other
    std::vector<Entry> routes_;
    // The down entries that need a lookup, and where they are in their list.
    std::vector<std::string_view> lookups_;
    std::vector<std::size_t> lookupAt_;
    std::vector<int> found_;
};
