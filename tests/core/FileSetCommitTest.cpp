// A save of the five files stopped dead or failing at each of its file operations in turn, into
// an empty directory and over a previous set: afterwards, and after the recovery of the next
// use, the directory holds the whole previous set or the whole new one.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "core/CoreTexts.h"
#include "core/DataFiles.h"
#include "core/FileSetCommit.h"
#include "core/MessageFormat.h"
#include "core/SaveRecovery.h"
#include "tests/core/FaultyFileSystem.h"
#include "tests/support/TestSupport.h"

namespace {

using Files = std::map<std::string, std::string>;

// A set of the five files; from 64 KB a file's checksum is worked out beside the writing.
Files fileSet(const std::string& tag, std::size_t bigSize) {
    Files files;
    for (const char* name : dataFiles::kAll) {
        files[name] = tag + name;
    }
    files[dataFiles::kStationTrips] += std::string(bigSize, 's');
    files[dataFiles::kTripStations] += std::string(bigSize, 't');
    return files;
}

class FileSetCommitTest : public ::testing::Test {
protected:
    void reset(bool overPrevious) {
        std::filesystem::remove_all(dir.path());
        std::filesystem::create_directory(dir.path());
        if (overPrevious) {
            for (const auto& [name, bytes] : previous) {
                writeFile(dir.file(name), bytes);
            }
        }
    }

    // Saves the new set; returns the operations that went through.
    std::vector<std::string> save(FaultyFileSystem fileSystem) {
        log.entries.clear();
        FileSetCommit commit(dir.path(), fileSystem, log);
        bool staged = true;
        for (const char* name : dataFiles::kAll) {
            staged = staged && commit.stage(name, next.at(name));
        }
        committed = staged && commit.commit();
        return fileSystem.operations();
    }

    Files contents() const {
        Files files;
        for (const std::string& name : listDirectory(dir.path())) {
            files[name] = readFile(dir.file(name));
        }
        return files;
    }
    bool holdsPrevious(bool overPrevious) const {
        return contents() == (overPrevious ? previous : Files{});
    }
    bool journalThere() const { return std::filesystem::exists(dir.file(dataFiles::kSaveJournal)); }

    const Files previous = fileSet("old ", 10);
    const Files next = fileSet("new ", 70 * 1024);
    TempDir dir;
    RecordingLog log;
    bool committed = false;
};

TEST_F(FileSetCommitTest, RecoveryAfterACrashAtAnyPointGivesThePreviousOrTheNewFiles) {
    for (const bool overPrevious : {false, true}) {
        SCOPED_TRACE(overPrevious ? "over a database" : "into an empty directory");
        reset(overPrevious);
        const int total = static_cast<int>(save(FaultyFileSystem()).size());
        bool newSeen = false;
        for (int crashAfter = 0; crashAfter <= total; ++crashAfter) {
            SCOPED_TRACE(crashAfter);
            reset(overPrevious);
            save(FaultyFileSystem(FaultyFileSystem::Fault::CrashAfter, crashAfter));
            log.entries.clear();
            ASSERT_TRUE(recoverInterruptedSave(dir.path(), realFileSystem(), log));
            // Every stop before the end leaves something behind, and recovery says so once.
            EXPECT_EQ(log.entries.size(), crashAfter < total ? 1u : 0u);
            EXPECT_FALSE(log.hasLevel(LogLevel::Error));
            const bool isNew = contents() == next;
            EXPECT_TRUE(isNew || holdsPrevious(overPrevious));
            EXPECT_FALSE(newSeen && !isNew) << "the previous files came back";
            newSeen = newSeen || isNew;
        }
        EXPECT_TRUE(newSeen);
    }
}

TEST_F(FileSetCommitTest, FailureOfAnyOperationBeforeTheEndKeepsThePreviousFiles) {
    for (const bool overPrevious : {false, true}) {
        SCOPED_TRACE(overPrevious ? "over a database" : "into an empty directory");
        reset(overPrevious);
        const std::vector<std::string> operations = save(FaultyFileSystem());
        const auto end =
            std::find(operations.begin(), operations.end(),
                      "remove " + dataFiles::pathIn(dir.path(), dataFiles::kSaveJournal));
        ASSERT_NE(end, operations.end());
        const int completedAt = static_cast<int>(end - operations.begin()) + 1;
        for (int failing = 1; failing <= static_cast<int>(operations.size()); ++failing) {
            SCOPED_TRACE(operations[failing - 1]);
            reset(overPrevious);
            save(FaultyFileSystem(FaultyFileSystem::Fault::FailAt, failing));
            if (failing <= completedAt) {
                EXPECT_TRUE(log.contains(LogLevel::Error, coreTexts::kFilesUnchanged));
                EXPECT_FALSE(committed);
                EXPECT_TRUE(holdsPrevious(overPrevious));
            } else {
                // Only a previous file could not be removed: the save is complete, and the
                // next use of the directory removes the leftover.
                EXPECT_TRUE(committed);
                EXPECT_TRUE(log.hasLevel(LogLevel::Warning));
                EXPECT_TRUE(recoverInterruptedSave(dir.path(), realFileSystem(), log));
                EXPECT_EQ(contents(), next);
            }
        }
    }
}

// A move fails, and so does one of the moves that would undo the steps before it: the journal
// stays, and the next use of the directory finishes the save.
TEST_F(FileSetCommitTest, FailedUndoKeepsTheJournalAndRecoveryFinishesTheSave) {
    reset(true);
    const std::vector<std::string> operations = save(FaultyFileSystem());
    int undoFailures = 0;
    for (int failing = 1; failing <= static_cast<int>(operations.size()); ++failing) {
        if (operations[failing - 1].rfind("move ", 0) != 0) {
            continue;
        }
        reset(true);
        const std::vector<std::string> undone = save(FaultyFileSystem({failing}));
        // The operations after the failed one are the moves back and the journal's removal.
        for (std::size_t back = failing - 1; back < undone.size(); ++back) {
            const bool journalRemoval =
                undone[back] == "remove " + dataFiles::pathIn(dir.path(), dataFiles::kSaveJournal);
            if (undone[back].rfind("move ", 0) != 0 && !journalRemoval) {
                continue;
            }
            SCOPED_TRACE(operations[failing - 1] + ", then " + undone[back]);
            reset(true);
            save(FaultyFileSystem({failing, static_cast<int>(back) + 2}));
            EXPECT_FALSE(committed);
            EXPECT_TRUE(journalThere());
            EXPECT_TRUE(log.contains(LogLevel::Error, coreTexts::kSaveFinishedNextUse));
            EXPECT_FALSE(log.contains(LogLevel::Error, coreTexts::kFilesUnchanged));
            log.entries.clear();
            EXPECT_TRUE(recoverInterruptedSave(dir.path(), realFileSystem(), log));
            EXPECT_TRUE(log.contains(LogLevel::Warning,
                                     formatMessage(coreTexts::kRecoveryFinished, {dir.path()})));
            EXPECT_EQ(contents(), next);
            ++undoFailures;
        }
    }
    EXPECT_GT(undoFailures, 0);
}

}  // namespace
