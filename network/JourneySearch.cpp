#include "network/JourneySearch.h"

#include <algorithm>
#include <map>
#include <tuple>

namespace {

// A ride from one of the journey's ends, found by walking trips from that end.
struct Ride {
    int trip;
    int board;  // positions along the trip
    int alight;
    int stops() const { return alight - board; }
};

// The stations one leg reaches from `from`, or from which one leg reaches `to`, with the trips
// that do it and the fewest stops on each. Indexed by station number.
using Reach = std::vector<std::vector<Ride>>;

void keepFewest(std::vector<Ride>& rides, const Ride& offered) {
    for (Ride& ride : rides) {
        if (ride.trip == offered.trip) {
            if (offered.stops() < ride.stops()) {
                ride = offered;
            }
            return;
        }
    }
    rides.push_back(offered);
}

bool passes(const TransitNetwork& network, const Ride& ride, int station) {
    const std::vector<int>& stations = network.trips()[ride.trip].stations;
    return std::find(stations.begin() + ride.board + 1, stations.begin() + ride.alight, station) !=
           stations.begin() + ride.alight;
}

// Trips of `from` onward to every later station before the trip passes `to` again.
Reach reachFrom(const TransitNetwork& network, int from, int to) {
    Reach reach(network.stationCount());
    for (const TransitNetwork::Visit& visit : network.visits(from)) {
        const std::vector<int>& stations = network.trips()[visit.trip].stations;
        int board = visit.position;
        for (std::size_t p = board + 1; p < stations.size(); ++p) {
            const int station = stations[p];
            if (station == from || station == to) {
                break;  // the trip's next visit of `from`, if any, walks on from there
            }
            keepFewest(reach[station], {visit.trip, board, static_cast<int>(p)});
        }
    }
    return reach;
}

// Stations from which a trip rides to `to` without passing `from`, walking back from `to`.
Reach reachTo(const TransitNetwork& network, int from, int to) {
    Reach reach(network.stationCount());
    for (const TransitNetwork::Visit& visit : network.visits(to)) {
        const std::vector<int>& stations = network.trips()[visit.trip].stations;
        const int alight = visit.position;
        for (int p = alight - 1; p >= 0; --p) {
            const int station = stations[p];
            if (station == from || station == to) {
                break;
            }
            keepFewest(reach[station], {visit.trip, p, alight});
        }
    }
    return reach;
}

class JourneyOrder {
public:
    explicit JourneyOrder(const TransitNetwork& network) : network_(network) {}

    bool operator()(const Journey& a, const Journey& b) const { return key(a) < key(b); }

private:
    // Legs, stops, each leg's line name and direction, then each leg's stations.
    std::vector<int> key(const Journey& journey) const {
        std::vector<int> key{static_cast<int>(journey.legs.size()), journey.stops()};
        for (const JourneyLeg& leg : journey.legs) {
            const TransitNetwork::Trip& trip = network_.trips()[leg.trip];
            key.push_back(trip.nameRank);
            key.push_back(trip.down ? 1 : 0);
        }
        for (const JourneyLeg& leg : journey.legs) {
            key.push_back(leg.board);
            key.push_back(leg.alight);
        }
        return key;
    }

    const TransitNetwork& network_;
};

// The best journey for each sequence of line and direction.
class JourneyCollector {
public:
    explicit JourneyCollector(const TransitNetwork& network) : network_(network), order_(network) {}

    void offer(Journey journey) {
        std::vector<int> lines;
        for (const JourneyLeg& leg : journey.legs) {
            lines.push_back(network_.trips()[leg.trip].lineKey);
        }
        auto [place, inserted] = best_.try_emplace(std::move(lines), journey);
        if (!inserted && order_(journey, place->second)) {
            place->second = std::move(journey);
        }
    }

    std::size_t size() const { return best_.size(); }

    std::vector<Journey> take(std::size_t limit) const {
        std::vector<Journey> journeys;
        for (const auto& entry : best_) {
            journeys.push_back(entry.second);
        }
        std::sort(journeys.begin(), journeys.end(), order_);
        if (journeys.size() > limit) {
            journeys.resize(limit);
        }
        return journeys;
    }

private:
    const TransitNetwork& network_;
    JourneyOrder order_;
    std::map<std::vector<int>, Journey> best_;
};

void addDirect(const TransitNetwork& network, int from, int to, JourneyCollector& found) {
    for (const TransitNetwork::Visit& visit : network.visits(from)) {
        const std::vector<int>& stations = network.trips()[visit.trip].stations;
        for (std::size_t p = visit.position + 1; p < stations.size(); ++p) {
            if (stations[p] == from) {
                break;
            }
            if (stations[p] == to) {
                found.offer(
                    Journey{{{visit.trip, from, to, static_cast<int>(p) - visit.position}}});
                break;
            }
        }
    }
}

void addOneChange(const Reach& out, const Reach& in, int from, int to, JourneyCollector& found) {
    for (std::size_t change = 0; change < out.size(); ++change) {
        const int at = static_cast<int>(change);
        for (const Ride& first : out[change]) {
            for (const Ride& second : in[change]) {
                if (first.trip != second.trip) {
                    found.offer(Journey{{{first.trip, from, at, first.stops()},
                                         {second.trip, at, to, second.stops()}}});
                }
            }
        }
    }
}

void addTwoChanges(const TransitNetwork& network, const Reach& out, const Reach& in, int from,
                   int to, JourneyCollector& found) {
    for (int x = 0; x < network.stationCount(); ++x) {
        if (out[x].empty()) {
            continue;
        }
        for (const TransitNetwork::Visit& visit : network.visits(x)) {
            const std::vector<int>& stations = network.trips()[visit.trip].stations;
            for (std::size_t p = visit.position + 1; p < stations.size(); ++p) {
                const int y = stations[p];
                if (y == from || y == to || y == x) {
                    break;
                }
                const int middleStops = static_cast<int>(p) - visit.position;
                for (const Ride& first : out[x]) {
                    for (const Ride& last : in[y]) {
                        if (first.trip != visit.trip && last.trip != visit.trip &&
                            first.trip != last.trip && !passes(network, first, y) &&
                            !passes(network, last, x)) {
                            found.offer(Journey{{{first.trip, from, x, first.stops()},
                                                 {visit.trip, x, y, middleStops},
                                                 {last.trip, y, to, last.stops()}}});
                        }
                    }
                }
            }
        }
    }
}

}  // namespace

int Journey::stops() const {
    int total = 0;
    for (const JourneyLeg& leg : legs) {
        total += leg.stops;
    }
    return total;
}

std::vector<Journey> findJourneys(const TransitNetwork& network, int from, int to,
                                  std::size_t limit) {
    JourneyCollector found(network);
    if (from == to) {
        return {};
    }
    // Fewer legs always come first, so a longer kind is searched only while places are left.
    addDirect(network, from, to, found);
    if (found.size() < limit) {
        const Reach out = reachFrom(network, from, to);
        const Reach in = reachTo(network, from, to);
        addOneChange(out, in, from, to, found);
        if (found.size() < limit) {
            addTwoChanges(network, out, in, from, to, found);
        }
    }
    return found.take(limit);
}
