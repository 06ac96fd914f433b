#include "core/TripText.h"

namespace {

void joinTripText(const Route& route, const char* suffix, const RouteEnd& from, std::string& out) {
    out.assign(route.name);
    out.append(suffix);
    for (const std::string* part :
         {&from.firstBus, &from.lastBus, &route.lineType, &route.extraInfo}) {
        out.push_back(',');
        out.append(*part);
    }
}

}  // namespace

void upTripText(const Route& route, std::string& out) {
    joinTripText(route, route.hasDownDirection() ? "a" : "", route.start, out);
}

void downTripText(const Route& route, std::string& out) {
    joinTripText(route, "b", route.terminal, out);
}
