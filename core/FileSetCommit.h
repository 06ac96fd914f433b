#pragma once

#include <cstdint>
#include <future>
#include <string>
#include <vector>

#include "core/FileSystem.h"
#include "core/LogSink.h"
#include "core/SaveJournal.h"

// Replaces the data files of a directory all together or not at all, also when the process
// is killed or the power fails in the middle.
//
// Invariant: while the directory holds no complete journal, its data file names hold one
// whole set (the previous one until the journal is complete, the new one from the moment it
// is removed), and whatever lies under a staged or previous name is a leftover. While it
// holds a complete journal, every file the journal lists is whole under its staged or its
// final name, and every previous file under its final or its previous name. The staged
// files are flushed before the journal is written, and from there each step is on the disk
// before the next begins, so recovery can always undo the first state and finish the second.
//
// A failure before the journal is removed undoes every step, so the previous files stay;
// each failure is logged with the file's name. Should a step fail to be undone, the journal
// stays and the next use of the directory finishes the save.
class FileSetCommit {
public:
    FileSetCommit(std::string directory, FileSystem& fileSystem, LogSink& log);
    ~FileSetCommit();  // removes what was staged and not committed
    FileSetCommit(const FileSetCommit&) = delete;
    FileSetCommit& operator=(const FileSetCommit&) = delete;

    // Writes one new file under its staged name; commit() flushes it to the disk first.
    bool stage(const char* name, std::string bytes);
    bool commit();

private:
    struct Entry {
        std::string finalPath;
        std::string stagedPath;
        std::string previousPath;
        bool hadPrevious = false;
        bool movedIn = false;
        std::future<std::uint32_t> checksum;
    };

    bool moveIntoPlace(Entry& entry);
    void undo();
    bool moveBack(const std::string& from, const std::string& to);
    void removePrevious();
    bool logFailure(const char* format, const std::string& path);
    bool fail(const char* format, const std::string& path);
    bool undoAfterFailure();

    std::string directory_;
    std::string journalPath_;
    FileSystem& fileSystem_;
    LogSink& log_;
    std::vector<Entry> entries_;
    SaveJournal journal_;
    bool committed_ = false;
    bool journalKept_ = false;  // the undo did not end: recovery finishes the save
};
