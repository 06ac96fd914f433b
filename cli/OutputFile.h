#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/LogSink.h"

// Writes a file the command line produces (a dumped or imported text, an import report) beside
// its final place, flushed to the disk, and moves it there in one step, so that a failed or
// interrupted write never leaves a partial file under the final name. A failure is logged as
// an error with the file's name and the system's reason.
bool writeOutputFile(const std::string& path, const std::string& bytes, LogSink& log);

// Writes several files the same way, all or none: each is written beside its place first, and
// only when all are written are they moved into place.
struct OutputFile {
    std::string path;
    std::string_view bytes;
};
bool writeOutputFiles(const std::vector<OutputFile>& files, LogSink& log);
