#pragma once

// The checker behind velorin-cli check: every disagreement among the five data files.

#include <cstddef>
#include <string>
#include <vector>

#include "datafiles/Loader.h"

struct CheckProblem {
    std::string file;
    std::size_t offset = 0;
    std::string text;
};

struct CheckReport {
    std::vector<CheckProblem> problems;
    std::size_t stations = 0;
    std::size_t trips = 0;
    std::size_t lines = 0;
};

// Reads all five data files and verifies that they agree with each other and with the format:
// every count against its records, every number's bytes below 128, even text and list
// lengths, every offset pointing at its record with the records following each other without
// gaps, the s.d and t.d length headers, every station and trip number in range, each
// station's trips ascending and equal to the trips that stop there, station names in
// ascending byte order, and readme.txt starting with FF FE and holding its four markers.
CheckReport checkDataFiles(const DataFileSource& source);

// The same for the files of a directory.
CheckReport checkDatabaseDirectory(const std::string& directory);
