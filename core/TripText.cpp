#include "core/TripText.h"

namespace {

std::string joinTripText(const std::string& name, const RouteEnd& from, const Route& route) {
    return name + "," + from.firstBus + "," + from.lastBus + "," + route.lineType + "," +
           route.extraInfo;
}

}  // namespace

std::string upTripText(const Route& route) {
    return joinTripText(route.hasDownDirection() ? route.name + "a" : route.name, route.start,
                        route);
}

std::string downTripText(const Route& route) {
    return joinTripText(route.name + "b", route.terminal, route);
}
