#pragma once

// The loader behind RouteDatabase::load, with the source of the file bytes replaceable.

#include <functional>
#include <string>

#include "core/RouteDatabase.h"

// Gives the whole content of one data file by its name ("readme.txt", "s.i", ...); false when
// the file cannot be opened.
using DataFileSource = std::function<bool(const char* name, std::string& content)>;

// What RouteDatabase::load does, with the files taken from source instead of the directory,
// so that the decoding can run on bytes in memory. The files are asked for in the order
// readme.txt, s.i, t.d, t.i, each only when the steps before it have succeeded; s.d never.
// Why a load failed without a message of its own: the message and the file it names.
struct SilentLoadFailure {
    const char* message = nullptr;
    const char* file = nullptr;
};

// When the load fails without a message, silentFailure (if given) receives why.
bool loadDatabase(RouteDatabase& database, const std::string& databaseDir,
                  const DataFileSource& source, SilentLoadFailure* silentFailure = nullptr);

// RouteDatabase::load, and when that fails without a message of its own (s.i without
// stations, t.d or t.i missing) one error saying why the directory did not open.
bool openDatabase(RouteDatabase& database, const std::string& databaseDir);
