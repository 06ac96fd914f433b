#pragma once

#include <string>

// The five files of a city's database and how their paths are formed.
namespace dataFiles {

inline constexpr char kReadme[] = "readme.txt";
inline constexpr char kStationIndex[] = "s.i";
inline constexpr char kStationTrips[] = "s.d";
inline constexpr char kTripIndex[] = "t.i";
inline constexpr char kTripStations[] = "t.d";
inline constexpr const char* kAll[] = {kStationTrips, kStationIndex, kTripStations, kTripIndex,
                                       kReadme};

// The names a save uses beside the five: each new file first goes under its name with the
// staged suffix, each previous file waits under its name with the previous suffix until the
// save is complete, and the journal names the set being moved into place.
inline constexpr char kStagedSuffix[] = ".velorin-new";
inline constexpr char kPreviousSuffix[] = ".velorin-old";
inline constexpr char kSaveJournal[] = "velorin-save.journal";

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
