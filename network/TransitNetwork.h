#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/Route.h"

// The network as passengers ride it, built once from the routes: every station numbered in
// byte order of its name, every trip (one direction of one line) as its list of station
// numbers, and for every station the trips that stop there and where. Station and journey
// searches read only this, never the routes' texts.
class TransitNetwork {
public:
    struct Trip {
        int route = 0;  // position of the line among the routes
        bool down = false;
        // Equal for the trips of lines that share their name and direction: a passenger cannot
        // tell them apart.
        int lineKey = 0;
        // Position of the line's name among all distinct line names in byte order.
        int nameRank = 0;
        std::vector<int> stations;
    };
    struct Visit {
        int trip = 0;
        int position = 0;
    };

    // The routes must outlive the network.
    explicit TransitNetwork(const std::vector<const Route*>& routes);

    int stationCount() const { return static_cast<int>(names_.size()); }
    const std::string& stationName(int station) const { return names_[station]; }
    // The station of that exact name, or -1.
    int findStation(std::string_view name) const;
    // Up to limit names for a name that is no station: first those typed the same way but
    // for width and spaces, then those that contain it, each in byte order.
    std::vector<std::string> candidates(std::string_view name, std::size_t limit = 5) const;

    const std::vector<Trip>& trips() const { return trips_; }
    const Route& route(const Trip& trip) const { return *routes_[trip.route]; }
    // Each stop of a trip at the station, in trip order; a loop stops more than once.
    const std::vector<Visit>& visits(int station) const { return visits_[station]; }

private:
    std::vector<const Route*> routes_;
    std::vector<std::string> names_;
    std::unordered_map<std::string_view, int> numbers_;
    std::vector<Trip> trips_;
    std::vector<std::vector<Visit>> visits_;
};
