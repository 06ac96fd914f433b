#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

// One input of the feed fuzzers: the files of a feed directory, in the order of kFeedFiles,
// separated by kFeedFileSeparator; the files after the last separator are missing.
inline constexpr std::string_view kFeedFileSeparator = "\n==feed-file==\n";
inline constexpr std::array<const char*, 9> kFeedFiles = {
    "agency.txt",   "stops.txt",          "routes.txt",    "trips.txt",      "stop_times.txt",
    "calendar.txt", "calendar_dates.txt", "feed_info.txt", "frequencies.txt"};

// A small feed of every file, the seed the fuzzers grow from.
inline std::array<std::string, kFeedFiles.size()> smallFeedFiles() {
    return {"agency_name\nCity Bus\n",
            "stop_id,stop_name,parent_station\nS1,One,\nS2,\"Two, East\",\nP1,Platform,S1\n",
            "route_id,route_short_name,route_long_name,route_type\nR1,1,Loop,3\nR2,,Night,715\n",
            "route_id,service_id,trip_id,direction_id\nR1,WK,t1,0\nR1,WK,t2,1\nR2,WK,t3,\n",
            "trip_id,stop_id,stop_sequence,arrival_time,departure_time\n"
            "t1,P1,1,06:00:00,06:00:00\nt1,S2,2,06:10:00,06:10:00\n"
            "t2,S2,1,07:00:00,07:00:00\nt2,S1,2,07:10:00,07:10:00\n"
            "t3,S1,1,24:05:00,24:05:00\nt3,S2,2,25:00:00,25:00:00\n",
            "service_id,monday,tuesday,wednesday,thursday,friday,saturday,sunday,start_date,"
            "end_date\nWK,1,1,1,1,1,0,0,20260101,20261231\n",
            "service_id,date,exception_type\nWK,20261208,2\n",
            "feed_publisher_name,feed_start_date,feed_end_date\nX,20260101,20261231\n",
            "trip_id,start_time,end_time,headway_secs\nt1,06:00:00,08:00:00,600\n"};
}
