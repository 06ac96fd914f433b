#pragma once

#include <string>

#include "cli/Terminal.h"

// velorin-cli SOURCE, as Explorer starts it when a city text or a data folder is dropped on
// the program: writes the report as CITY.html beside SOURCE (never over a file that is not
// such a report) and opens it. When something went wrong and the console window would close
// with the program, it waits for Enter so that the messages can be read.
int runDroppedSource(const std::string& source, const Terminal& terminal);
