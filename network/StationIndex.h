#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "core/StationNames.h"
#include "network/LintedRoute.h"

using StationId = std::uint32_t;
using RouteIndex = std::uint32_t;

// The distinct station names of all routes, numbered in order of first use, with for each the
// routes that use it (in route order) and the stations next to it. A down list that is the up
// list reversed adds nothing, so it is not numbered.
class StationIndex {
public:
    explicit StationIndex(const std::vector<LintedRoute>& routes);

    std::size_t size() const { return names_.size(); }
    std::string_view name(StationId id) const { return names_.name(static_cast<int>(id)); }

    // The numbers of a route's up list and, when it has its own, its down list.
    const StationId* upBegin(RouteIndex r) const { return &numbers_[lists_[r].first]; }
    const StationId* upEnd(RouteIndex r) const { return upBegin(r) + lists_[r].upCount; }
    const StationId* downBegin(RouteIndex r) const { return upEnd(r); }
    const StationId* downEnd(RouteIndex r) const { return downBegin(r) + lists_[r].downCount; }

    const RouteIndex* routesBegin(StationId id) const { return &routeOf_[routesAt_[id]]; }
    const RouteIndex* routesEnd(StationId id) const { return &routeOf_[routesAt_[id + 1]]; }
    std::size_t uses(StationId id) const { return routesAt_[id + 1] - routesAt_[id]; }
    RouteIndex firstRoute(StationId id) const { return *routesBegin(id); }
    // The direction of the first route in which the name stands.
    const char* firstDirection(StationId id) const;

    // The stations next to this one in some list, in no order, some more than once.
    const StationId* neighboursBegin(StationId id) const { return &nextTo_[nextToAt_[id]]; }
    const StationId* neighboursEnd(StationId id) const { return &nextTo_[nextToAt_[id + 1]]; }

private:
    struct List {
        std::size_t first = 0;  // in numbers_: the up list, then the down list
        std::size_t upCount = 0;
        std::size_t downCount = 0;
    };

    void indexRoutes();
    void indexNeighbours();

    StationNames names_;
    std::vector<StationId> numbers_;
    std::vector<List> lists_;
    std::vector<std::size_t> routesAt_;  // by name: where its routes start in routeOf_
    std::vector<RouteIndex> routeOf_;
    std::vector<std::size_t> nextToAt_;  // by name: where its neighbours start in nextTo_
    std::vector<StationId> nextTo_;
};
