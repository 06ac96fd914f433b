#pragma once

#include <string>

// The five files of a city's database and how their paths are formed.
namespace dataFiles {

inline constexpr char kReadme[] = "readme.txt";
inline constexpr char kStationIndex[] = "s.i";
inline constexpr char kStationTrips[] = "s.d";
inline constexpr char kTripIndex[] = "t.i";
inline constexpr char kTripStations[] = "t.d";

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// The directory text followed by the separator and the name; nothing is added or removed.
inline std::string pathIn(const std::string& directory, const char* name) {
    return directory + kPathSeparator + name;
}

}  // namespace dataFiles
