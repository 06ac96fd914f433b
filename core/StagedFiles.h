#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/LogSink.h"

// Replaces a set of files in a directory all together or not at all. Each file is written
// under a temporary name beside its final one; commit() then moves the previous files aside,
// moves the new ones into place and removes the previous ones, undoing every step if one
// fails. Failures are logged with the file's name; the previous files stay as they were.
class StagedFiles {
public:
    StagedFiles(std::string directory, LogSink& log);
    ~StagedFiles();  // removes what was staged and not committed
    StagedFiles(const StagedFiles&) = delete;
    StagedFiles& operator=(const StagedFiles&) = delete;

    bool stage(const char* name, std::string_view bytes);
    bool commit();

private:
    struct Entry {
        std::string finalPath;
        std::string stagedPath;
        std::string previousPath;
        bool hadPrevious = false;
    };

    void fail(const std::string& path, int error);
    void undo(std::size_t committedCount);

    std::string directory_;
    LogSink& log_;
    std::vector<Entry> entries_;
    bool committed_ = false;
};
