#pragma once

#include <cstdint>
#include <vector>

#include "gtfs/FeedModel.h"

// The trips of one direction of a route and the stop sequence its stations are taken from:
// the most frequent one among them (ties: the longer, then the one met first in the file).
struct Direction {
    std::vector<std::uint32_t> trips;
    std::int32_t sequence = -1;

    bool empty() const { return trips.empty(); }
};

struct DirectionPlan {
    Direction up;
    Direction down;
};

// Splits a route's trips into up (direction_id 0) and down (1). Where a trip has no
// direction_id, the route's trips are grouped by stop sequence instead: the most frequent
// sequence is up, the most frequent of those running the opposite way is down, and every other
// trip joins the direction whose way it runs. A route that runs one way only has it as up.
DirectionPlan planDirections(const FeedModel& model, const std::vector<std::uint32_t>& trips);
