// Writes a GTFS feed directory of a given number of stop-time rows, for the import benchmark:
// routes of two directions over 40 stops each, every trip a full run of one direction.
//   velorin-gtfs-feed DIR [STOP_TIME_ROWS]

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr int kStopsPerTrip = 40;
constexpr int kRoutes = 400;
constexpr int kStopsPerRoute = kStopsPerTrip;

std::FILE* create(const std::string& directory, const char* name) {
    const std::string path = directory + "/" + name;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        std::perror(path.c_str());
        std::exit(1);
    }
    return file;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: velorin-gtfs-feed DIR [STOP_TIME_ROWS]\n");
        return 2;
    }
    const std::string directory = argv[1];
    const long rows = argc > 2 ? std::atol(argv[2]) : 10000000L;
    const long trips = rows / kStopsPerTrip;

    std::FILE* agency = create(directory, "agency.txt");
    std::fprintf(agency,
                 "agency_id,agency_name,agency_url,agency_timezone\n"
                 "A,Synthetic Transit,http://example.org,Asia/Shanghai\n");
    std::fclose(agency);

    std::FILE* calendar = create(directory, "calendar.txt");
    std::fprintf(calendar,
                 "service_id,monday,tuesday,wednesday,thursday,friday,saturday,sunday,"
                 "start_date,end_date\nALL,1,1,1,1,1,1,1,20260101,20261231\n");
    std::fclose(calendar);

    // Neighbouring routes share half their stops, as lines through a centre do.
    std::FILE* stops = create(directory, "stops.txt");
    std::fprintf(stops, "stop_id,stop_name,stop_lat,stop_lon\n");
    const int stopCount = kRoutes * kStopsPerRoute / 2 + kStopsPerRoute;
    for (int stop = 0; stop < stopCount; ++stop) {
        std::fprintf(stops, "S%d,\"Stop %d, Road %d\",31.%04d,121.%04d\n", stop, stop, stop % 97,
                     stop % 10000, stop / 10 % 10000);
    }
    std::fclose(stops);

    std::FILE* routes = create(directory, "routes.txt");
    std::fprintf(routes, "route_id,agency_id,route_short_name,route_long_name,route_type\n");
    for (int route = 0; route < kRoutes; ++route) {
        std::fprintf(routes, "R%d,A,%d,\"Line %d\",3\n", route, route + 1, route + 1);
    }
    std::fclose(routes);

    std::FILE* tripFile = create(directory, "trips.txt");
    std::FILE* times = create(directory, "stop_times.txt");
    std::fprintf(tripFile, "route_id,service_id,trip_id,direction_id,shape_id\n");
    std::fprintf(times,
                 "trip_id,arrival_time,departure_time,stop_id,stop_sequence,"
                 "pickup_type,drop_off_type\n");
    for (long trip = 0; trip < trips; ++trip) {
        const int route = static_cast<int>(trip % kRoutes);
        const int direction = static_cast<int>(trip / kRoutes % 2);
        std::fprintf(tripFile, "R%d,ALL,T%ld,%d,SH%d\n", route, trip, direction, route);
        // Departures spread from 5:00 to past midnight.
        int seconds = 5 * 3600 + static_cast<int>(trip / (2 * kRoutes) % 1200) * 60;
        const int firstStop = route * kStopsPerRoute / 2;
        for (int i = 0; i < kStopsPerTrip; ++i) {
            const int stop = firstStop + (direction == 0 ? i : kStopsPerTrip - 1 - i);
            std::fprintf(times, "T%ld,%02d:%02d:%02d,%02d:%02d:%02d,S%d,%d,0,0\n", trip,
                         seconds / 3600, seconds / 60 % 60, seconds % 60, seconds / 3600,
                         seconds / 60 % 60, seconds % 60, stop, i + 1);
            seconds += 90;
        }
    }
    std::fclose(tripFile);
    std::fclose(times);
    return 0;
}
