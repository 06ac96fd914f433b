#include "datafiles/RouteAssembly.h"

#include "datafiles/TripPairing.h"

std::vector<std::unique_ptr<Route>> assembleRoutes(std::vector<TripRecord>& records) {
    std::vector<std::string> names;
    names.reserve(records.size());
    for (const TripRecord& record : records) {
        names.push_back(record.name);
    }

    std::vector<std::unique_ptr<Route>> routes;
    for (const TripLine& line : groupTripsIntoLines(names)) {
        TripRecord& up = records[line.upTrip];
        auto route = std::make_unique<Route>();
        route->start.firstBus = std::move(up.firstBus);
        route->start.lastBus = std::move(up.lastBus);
        route->upStations = std::move(up.stations);
        TripRecord& last = line.hasDownTrip ? records[line.upTrip + 1] : up;
        if (line.hasDownTrip) {
            last.name.pop_back();
            route->terminal.firstBus = std::move(last.firstBus);
            route->terminal.lastBus = std::move(last.lastBus);
            route->downStations = std::move(last.stations);
        }
        route->name = std::move(last.name);
        route->lineType = std::move(last.lineType);
        route->extraInfo = std::move(last.extraInfo);
        routes.push_back(std::move(route));
    }
    return routes;
}
