#include "core/FileSetCommit.h"

#include "core/CoreTexts.h"
#include "core/DataFiles.h"
#include "core/MessageFormat.h"

namespace {

// Below this, starting a thread costs more than the checksum.
constexpr std::size_t kChecksumAsideBytes = 64 * 1024;

}  // namespace

FileSetCommit::FileSetCommit(std::string directory, FileSystem& fileSystem, LogSink& log)
    : directory_(std::move(directory)),
      journalPath_(dataFiles::pathIn(directory_, dataFiles::kSaveJournal)),
      fileSystem_(fileSystem),
      log_(log) {}

FileSetCommit::~FileSetCommit() {
    // Staged files that a kept journal lists are part of the save recovery finishes.
    if (!committed_ && !journalKept_) {
        for (const Entry& entry : entries_) {
            fileSystem_.removeFile(entry.stagedPath);
        }
    }
}

bool FileSetCommit::stage(const char* name, std::string bytes) {
    Entry entry;
    entry.finalPath = dataFiles::pathIn(directory_, name);
    entry.stagedPath = entry.finalPath + dataFiles::kStagedSuffix;
    entry.previousPath = entry.finalPath + dataFiles::kPreviousSuffix;
    // Flushed all together in commit(): the disk writes one file while the next is built.
    if (!fileSystem_.writeFileUnflushed(entry.stagedPath, bytes)) {
        fail(coreTexts::kCannotWriteFile, entry.finalPath);
        fileSystem_.removeFile(entry.stagedPath);
        return false;
    }
    journal_.files.push_back({name, bytes.size(), 0});
    // The checksum of a big file is worked out beside the building of the next files and the
    // flushing. Where no thread can be started, it is worked out in commit().
    const auto policy = bytes.size() >= kChecksumAsideBytes
                            ? std::launch::async | std::launch::deferred
                            : std::launch::deferred;
    entry.checksum = std::async(policy, [bytes = std::move(bytes)] { return fileChecksum(bytes); });
    entries_.push_back(std::move(entry));
    return true;
}

bool FileSetCommit::commit() {
    // The staged files, then the journal naming them, must be on the disk before any
    // previous file is moved.
    for (const Entry& entry : entries_) {
        if (!fileSystem_.flushFile(entry.stagedPath)) {
            return fail(coreTexts::kCannotWriteFile, entry.finalPath);
        }
    }
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        journal_.files[i].checksum = entries_[i].checksum.get();
    }
    if (!fileSystem_.syncDirectory(directory_)) {
        return fail(coreTexts::kCannotSyncDirectory, directory_);
    }
    if (!fileSystem_.writeFile(journalPath_, journal_.text()) ||
        !fileSystem_.syncDirectory(directory_)) {
        fail(coreTexts::kCannotWriteFile, journalPath_);
        fileSystem_.removeFile(journalPath_);
        return false;
    }
    for (Entry& entry : entries_) {
        if (!moveIntoPlace(entry)) {
            return undoAfterFailure();
        }
    }
    if (!fileSystem_.syncDirectory(directory_)) {
        logFailure(coreTexts::kCannotSyncDirectory, directory_);
        return undoAfterFailure();
    }
    // Removing the journal completes the save.
    if (!fileSystem_.removeFile(journalPath_)) {
        logFailure(coreTexts::kCannotWriteFile, journalPath_);
        return undoAfterFailure();
    }
    committed_ = true;
    removePrevious();
    return true;
}

bool FileSetCommit::moveIntoPlace(Entry& entry) {
    if (fileSystem_.exists(entry.finalPath)) {
        if (!fileSystem_.moveFile(entry.finalPath, entry.previousPath)) {
            return logFailure(coreTexts::kCannotReplaceFile, entry.finalPath);
        }
        entry.hadPrevious = true;
    }
    if (!fileSystem_.moveFile(entry.stagedPath, entry.finalPath)) {
        return logFailure(coreTexts::kCannotReplaceFile, entry.finalPath);
    }
    entry.movedIn = true;
    return true;
}

// Moves every new file back to its staged name and every previous file back into place, in
// reverse order, then removes the journal: the directory holds the previous set again. When a
// move back or the journal's removal fails the journal stays, since every file it lists is
// still whole under its staged or final name, and the next use of the directory finishes the
// save.
void FileSetCommit::undo() {
    bool movedBack = true;
    for (auto entry = entries_.rbegin(); entry != entries_.rend(); ++entry) {
        if (entry->movedIn) {
            if (!moveBack(entry->finalPath, entry->stagedPath)) {
                // The previous file must not take the place of a new file the journal lists.
                movedBack = false;
                continue;
            }
            entry->movedIn = false;
        }
        if (entry->hadPrevious) {
            if (!moveBack(entry->previousPath, entry->finalPath)) {
                movedBack = false;
                continue;
            }
            entry->hadPrevious = false;
        }
    }
    fileSystem_.syncDirectory(directory_);
    journalKept_ = !movedBack || !fileSystem_.removeFile(journalPath_);
}

bool FileSetCommit::moveBack(const std::string& from, const std::string& to) {
    if (fileSystem_.moveFile(from, to)) {
        return true;
    }
    log_.log(LogLevel::Error,
             formatMessage(coreTexts::kCannotReplaceFile, {to, fileSystem_.lastError()}).c_str());
    return false;
}

// After the save is complete the previous files are leftovers; one that stays is removed by
// the recovery of the next use of the directory.
void FileSetCommit::removePrevious() {
    for (const Entry& entry : entries_) {
        if (entry.hadPrevious && !fileSystem_.removeFile(entry.previousPath)) {
            log_.log(LogLevel::Warning, formatMessage(coreTexts::kCannotRemovePrevious,
                                                      {entry.previousPath, fileSystem_.lastError()})
                                            .c_str());
        }
    }
}

bool FileSetCommit::logFailure(const char* format, const std::string& path) {
    log_.log(LogLevel::Error, formatMessage(format, {path, fileSystem_.lastError()}).c_str());
    return false;
}

bool FileSetCommit::fail(const char* format, const std::string& path) {
    logFailure(format, path);
    log_.log(LogLevel::Error, coreTexts::kFilesUnchanged);
    return false;
}

// Once the journal is complete a failure is undone, and only then is it known what the
// directory holds: the previous files, or a kept journal that the next use finishes.
bool FileSetCommit::undoAfterFailure() {
    undo();
    log_.log(LogLevel::Error,
             journalKept_ ? coreTexts::kSaveFinishedNextUse : coreTexts::kFilesUnchanged);
    return false;
}
