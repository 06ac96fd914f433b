#pragma once

#include <string>

#include "core/LogSink.h"

// Writes a file the command line produces (a dumped or imported text, an import report) beside
// its final place, flushed to the disk, and moves it there in one step, so that a failed or
// interrupted write never leaves a partial file under the final name. A failure is logged as
// an error with the file's name and the system's reason.
bool writeOutputFile(const std::string& path, const std::string& bytes, LogSink& log);
