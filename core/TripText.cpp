#include "core/TripText.h"

namespace {

void joinTripText(const TripTextParts& route, const char* suffix, std::string_view firstBus,
                  std::string_view lastBus, std::string& out) {
    out.assign(route.name);
    out.append(suffix);
    for (std::string_view part : {firstBus, lastBus, route.lineType, route.extraInfo}) {
        out.push_back(',');
        out.append(part);
    }
}

}  // namespace

TripTextParts tripTextParts(const Route& route) {
    return {route.name,
            route.start.firstBus,
            route.start.lastBus,
            route.terminal.firstBus,
            route.terminal.lastBus,
            route.lineType,
            route.extraInfo,
            route.hasDownDirection()};
}

void upTripText(const TripTextParts& route, std::string& out) {
    joinTripText(route, route.hasDownDirection ? "a" : "", route.startFirstBus, route.startLastBus,
                 out);
}

void downTripText(const TripTextParts& route, std::string& out) {
    joinTripText(route, "b", route.terminalFirstBus, route.terminalLastBus, out);
}
