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

// Writes several files the same way: each is written beside its place first, and only when all
// are written are they moved into place, so that a file that cannot be written keeps the others
// out too. (A move that fails after another, as onto a folder, leaves the moved one in place.)
struct OutputFile {
    std::string path;
    std::string_view bytes;
};
bool writeOutputFiles(const std::vector<OutputFile>& files, LogSink& log);
