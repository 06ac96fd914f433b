#pragma once

// The names of a feed's files that the importer reads.
namespace gtfsFiles {

inline constexpr char kAgency[] = "agency.txt";
inline constexpr char kFeedInfo[] = "feed_info.txt";
inline constexpr char kStops[] = "stops.txt";
inline constexpr char kRoutes[] = "routes.txt";
inline constexpr char kTrips[] = "trips.txt";
inline constexpr char kStopTimes[] = "stop_times.txt";
inline constexpr char kFrequencies[] = "frequencies.txt";
inline constexpr char kCalendar[] = "calendar.txt";
inline constexpr char kCalendarDates[] = "calendar_dates.txt";

}  // namespace gtfsFiles
