#pragma once

#include <vector>

#include "network/TransitNetwork.h"

// One stop of one direction of a line at a station, as a station's board lists it: the stations
// before and after it (-1 at an end).
struct StationCall {
    int trip = 0;
    int previous = -1;
    int next = -1;
};

// Every stop at the station, ordered by line name in byte order, up before down, then along
// the trip; a loop that stops twice is listed twice.
std::vector<StationCall> stationCalls(const TransitNetwork& network, int station);

// The first and last bus of a trip's direction, where the files keep them (the up direction's
// at its start, the down direction's at the terminal); empty where not known.
const RouteEnd& departureEnd(const TransitNetwork& network, const TransitNetwork::Trip& trip);
