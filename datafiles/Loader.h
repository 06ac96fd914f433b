#pragma once

#include <functional>
#include <string>

#include "core/RouteDatabase.h"

// Gives the whole content of one data file by its name ("readme.txt", "s.i", ...); false when
// the file cannot be opened.
using DataFileSource = std::function<bool(const char* name, std::string& content)>;

// What RouteDatabase::load does, with the files taken from source instead of the directory,
// so that the decoding can run on bytes in memory. The files are asked for in the order
// readme.txt, s.i, t.d, t.i, each only when the steps before it have succeeded; s.d never.
bool loadDatabase(RouteDatabase& database, const std::string& databaseDir,
                  const DataFileSource& source);
