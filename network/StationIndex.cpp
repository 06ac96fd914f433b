#include "network/StationIndex.h"

#include <algorithm>

namespace {

// Turns counts at [id + 1] into where each id's entries start, and gives the next free place
// of each.
std::vector<std::size_t> layOut(std::vector<std::size_t>& at) {
    for (std::size_t i = 1; i < at.size(); ++i) {
        at[i] += at[i - 1];
    }
    return std::vector<std::size_t>(at.begin(), at.end() - 1);
}

}  // namespace

StationIndex::StationIndex(const std::vector<LintedRoute>& routes) {
    lists_.reserve(routes.size());
    std::vector<int> numbers;
    for (const LintedRoute& route : routes) {
        List list{numbers_.size(), route.up.size(), route.ownDownList ? route.down.size() : 0};
        numbers.resize(list.upCount + list.downCount);
        names_.number(route.up, numbers.data());
        if (route.ownDownList) {
            names_.number(route.down, numbers.data() + list.upCount);
        }
        numbers_.insert(numbers_.end(), numbers.begin(), numbers.end());
        lists_.push_back(list);
    }
    indexRoutes();
    indexNeighbours();
}

const char* StationIndex::firstDirection(StationId id) const {
    const RouteIndex r = firstRoute(id);
    return std::find(upBegin(r), upEnd(r), id) != upEnd(r) ? kDirectionUp : kDirectionDown;
}

void StationIndex::indexRoutes() {
    std::vector<RouteIndex> lastRoute(size(), ~RouteIndex{0});
    auto forEachUse = [&](auto use) {
        lastRoute.assign(size(), ~RouteIndex{0});
        for (RouteIndex r = 0; r < lists_.size(); ++r) {
            for (const StationId* id = upBegin(r); id != downEnd(r); ++id) {
                if (lastRoute[*id] != r) {
                    lastRoute[*id] = r;
                    use(*id, r);
                }
            }
        }
    };
    routesAt_.assign(size() + 1, 0);
    forEachUse([this](StationId id, RouteIndex) { ++routesAt_[id + 1]; });
    std::vector<std::size_t> next = layOut(routesAt_);
    routeOf_.resize(routesAt_.back() + 1);
    forEachUse([this, &next](StationId id, RouteIndex r) { routeOf_[next[id]++] = r; });
}

void StationIndex::indexNeighbours() {
    auto forEachStep = [this](auto step) {
        for (RouteIndex r = 0; r < lists_.size(); ++r) {
            for (const StationId* id = upBegin(r) + 1; id < upEnd(r); ++id) {
                step(id[-1], id[0]);
            }
            for (const StationId* id = downBegin(r) + 1; id < downEnd(r); ++id) {
                step(id[-1], id[0]);
            }
        }
    };
    nextToAt_.assign(size() + 1, 0);
    forEachStep([this](StationId a, StationId b) {
        if (a != b) {
            ++nextToAt_[a + 1];
            ++nextToAt_[b + 1];
        }
    });
    std::vector<std::size_t> next = layOut(nextToAt_);
    nextTo_.resize(nextToAt_.back() + 1);
    forEachStep([this, &next](StationId a, StationId b) {
        if (a != b) {
            nextTo_[next[a]++] = b;
            nextTo_[next[b]++] = a;
        }
    });
}
