#pragma once

#include <string>

#include "core/FileSystem.h"
#include "core/LogSink.h"

// Finishes or undoes a save of the directory's data files that was interrupted, so that the
// directory holds exactly the previous files or exactly the new ones and no leftover: with a
// complete journal the staged files are moved into place, without one the previous files are
// put back and the staged ones removed. Logs one line saying what it found and did; a
// directory without leftovers is left alone without a message. False, with an error logged,
// when the leftovers cannot be made whole; nothing is removed then.
bool recoverInterruptedSave(const std::string& directory, FileSystem& fileSystem, LogSink& log);
