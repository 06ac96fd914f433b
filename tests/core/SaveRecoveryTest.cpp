// What the recovery of an interrupted save makes of each kind of leftover it may find.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "core/CoreTexts.h"
#include "core/DataFiles.h"
#include "core/MessageFormat.h"
#include "core/SaveJournal.h"
#include "core/SaveRecovery.h"
#include "tests/support/TestSupport.h"

namespace {

using Files = std::map<std::string, std::string>;

const std::string kStaged = dataFiles::kStagedSuffix;
const std::string kPrevious = dataFiles::kPreviousSuffix;

// A complete journal of new files named with their bytes.
std::string journalOf(const Files& files) {
    SaveJournal journal;
    for (const auto& [name, bytes] : files) {
        journal.files.push_back({name, bytes.size(), fileChecksum(bytes)});
    }
    return journal.text();
}

TEST(SaveRecoveryTest, EachLeftoverEndsInOneWholeSet) {
    const std::string journal = dataFiles::kSaveJournal;
    struct Case {
        const char* what;
        Files before;
        bool recovered;
        Files after;
        const char* report;  // the warning's format, or null for none
    };
    const Case cases[] = {
        {"nothing left over", {{"s.i", "A"}}, true, {{"s.i", "A"}}, nullptr},
        {"staged files without a journal",
         {{"s.i", "A"}, {"s.i" + kStaged, "B"}},
         true,
         {{"s.i", "A"}},
         coreTexts::kRecoveryUndone},
        {"a journal cut short",
         {{"s.i", "A"}, {"s.i" + kStaged, "B"}, {journal, "velorin save 1\n"}},
         true,
         {{"s.i", "A"}},
         coreTexts::kRecoveryUndone},
        {"previous files beside staged ones without a journal",
         {{"s.i", "B"}, {"s.i" + kPrevious, "A"}, {"t.i" + kStaged, "C"}, {"t.i", "D"}},
         true,
         {{"s.i", "A"}, {"t.i", "D"}},
         coreTexts::kRecoveryPreviousRestored},
        {"a previous file in place of none",
         {{"s.i" + kPrevious, "A"}},
         true,
         {{"s.i", "A"}},
         coreTexts::kRecoveryPreviousRestored},
        {"previous files of a complete save",
         {{"s.i", "B"}, {"s.i" + kPrevious, "A"}},
         true,
         {{"s.i", "B"}},
         coreTexts::kRecoveryPreviousRemoved},
        {"a complete journal, one file moved and one staged",
         {{"s.i", "B"},
          {"s.i" + kPrevious, "A"},
          {"t.i", "D"},
          {"t.i" + kStaged, "C"},
          {journal, journalOf({{"s.i", "B"}, {"t.i", "C"}})}},
         true,
         {{"s.i", "B"}, {"t.i", "C"}},
         coreTexts::kRecoveryFinished},
        {"a complete journal that a staged file does not match",
         {{"s.i", "A"}, {"s.i" + kStaged, "X"}, {journal, journalOf({{"s.i", "B"}})}},
         false,
         {{"s.i", "A"}, {"s.i" + kStaged, "X"}, {journal, journalOf({{"s.i", "B"}})}},
         nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        for (const auto& [name, bytes] : c.before) {
            writeFile(dir.file(name), bytes);
        }
        RecordingLog log;
        EXPECT_EQ(recoverInterruptedSave(dir.path(), realFileSystem(), log), c.recovered);
        Files after;
        for (const std::string& name : listDirectory(dir.path())) {
            after[name] = readFile(dir.file(name));
        }
        EXPECT_EQ(after, c.after);
        if (c.report != nullptr) {
            EXPECT_EQ(log.entries,
                      (std::vector<RecordingLog::Entry>{
                          {LogLevel::Warning, formatMessage(c.report, {dir.path()})}}));
        } else {
            EXPECT_EQ(log.entries.size(), c.recovered ? 0u : 1u);
            EXPECT_EQ(log.hasLevel(LogLevel::Error), !c.recovered);
        }
    }
}

}  // namespace
