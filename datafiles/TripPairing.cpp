#include "datafiles/TripPairing.h"

namespace {

constexpr char kUpSuffix = 'a';
constexpr char kDownSuffix = 'b';

}  // namespace

bool isDownHalfOf(const std::string& upName, const std::string& downName) {
    return !upName.empty() && upName.back() == kUpSuffix && !downName.empty() &&
           downName.back() == kDownSuffix && upName.size() == downName.size() &&
           upName.compare(0, upName.size() - 1, downName, 0, downName.size() - 1) == 0;
}

std::vector<TripLine> groupTripsIntoLines(const std::vector<std::string>& tripNames) {
    std::vector<TripLine> lines;
    for (std::size_t trip = 0; trip < tripNames.size(); ++trip) {
        TripLine line;
        line.upTrip = trip;
        line.hasDownTrip =
            trip + 1 < tripNames.size() && isDownHalfOf(tripNames[trip], tripNames[trip + 1]);
        if (line.hasDownTrip) {
            ++trip;
        }
        lines.push_back(line);
    }
    return lines;
}
