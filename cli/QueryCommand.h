#pragma once

#include "cli/CommandLine.h"
#include "cli/Terminal.h"

// velorin-cli query SOURCE FROM TO [--json FILE]: up to five journeys of at most two changes,
// by the rules of network/JourneySearch.h. Exit status 1 when SOURCE cannot be read, a name is
// no station or no journey exists.
int runQuery(const CommandLine& line, const Terminal& terminal);
