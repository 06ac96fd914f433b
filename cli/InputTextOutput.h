#pragma once

#include <string>

#include "cli/Terminal.h"
#include "core/RouteDatabase.h"

// The database as an input text, in GBK or, with `utf8`, in UTF-8. Each thing the input format
// cannot say is printed on the error stream with its line.
std::string inputTextFor(const RouteDatabase& database, bool utf8, const Terminal& terminal);
