#pragma once

#include <vector>

#include "network/TransitNetwork.h"

// Journeys between two stations, as a passenger plans them on the network alone (the data has
// no coordinates, so a transfer is a change at a station of the same name):
// - a leg rides one trip from its boarding station to a later station of that trip, by the
//   fewest stops that trip allows; at most three legs;
// - no trip is ridden twice, the stations of the changes differ from each other and from both
//   ends, and no leg passes through a station where the journey starts, changes or ends;
// - journeys are ordered by legs, then stops ridden in all, then the lines' names in byte order
//   and up before down, then the stations of the changes in byte order;
// - for each sequence of line and direction only the first journey is kept, and at most
//   `limit` are returned.
// The report page's planner follows the same rules.

struct JourneyLeg {
    int trip = 0;
    int board = 0;   // station number
    int alight = 0;  // station number
    int stops = 0;
};

struct Journey {
    std::vector<JourneyLeg> legs;
    int stops() const;
};

constexpr int kMaxJourneyLegs = 3;
constexpr std::size_t kMaxJourneys = 5;

// Empty when no journey of at most three legs exists, and when from and to are the same.
std::vector<Journey> findJourneys(const TransitNetwork& network, int from, int to,
                                  std::size_t limit = kMaxJourneys);
