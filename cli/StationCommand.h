#pragma once

#include "cli/CommandLine.h"
#include "cli/Terminal.h"

// velorin-cli station SOURCE NAME [--json FILE]: every line and direction that stops at the
// station, with its neighbours, type and first and last bus. Exit status 1 when SOURCE cannot
// be read or the name is no station (then up to five names it may have meant are printed).
int runStation(const CommandLine& line, const Terminal& terminal);
