#pragma once

#include "cli/CommandLine.h"
#include "cli/Terminal.h"

// velorin-cli rename SOURCE OLD NEW [--dry-run]: renames the station OLD to NEW everywhere in
// an input text (every other byte kept) or a data folder (saved as the editor saves), and
// prints each line it changed; --dry-run prints the same and writes nothing. Returns the exit
// status: 0 on success, 1 when SOURCE cannot be read or written or has no station OLD, 2 for a
// name that cannot be a station name.
int runRename(const CommandLine& line, const Terminal& terminal);
