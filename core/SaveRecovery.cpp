#include "core/SaveRecovery.h"

#include <vector>

#include "core/CoreTexts.h"
#include "core/DataFiles.h"
#include "core/MessageFormat.h"
#include "core/SaveJournal.h"

namespace {

class Recovery {
public:
    Recovery(const std::string& directory, FileSystem& fileSystem, LogSink& log)
        : directory_(directory), fileSystem_(fileSystem), log_(log) {}

    bool run() {
        const std::string journalPath = pathOf(dataFiles::kSaveJournal);
        if (!fileSystem_.exists(journalPath)) {
            return undo(false);
        }
        std::string text;
        SaveJournal journal;
        if (fileSystem_.readFile(journalPath, text) && journal.read(text)) {
            return finish(journal, journalPath);
        }
        // A journal cut short was written before any file was moved.
        return undo(true);
    }

private:
    std::string pathOf(const std::string& name) const {
        return dataFiles::pathIn(directory_, name.c_str());
    }

    // Moves the staged files the journal lists into place, after checking that each of
    // them, or the file already moved, is the one the journal describes.
    bool finish(const SaveJournal& journal, const std::string& journalPath) {
        std::vector<const SaveJournal::File*> staged;
        for (const SaveJournal::File& file : journal.files) {
            const std::string stagedPath = pathOf(file.name + dataFiles::kStagedSuffix);
            const bool isStaged = fileSystem_.exists(stagedPath);
            const std::string path = isStaged ? stagedPath : pathOf(file.name);
            std::string content;
            if (!fileSystem_.readFile(path, content)) {
                return fail(path, fileSystem_.lastError());
            }
            if (!matches(file, content)) {
                return fail(path, coreTexts::kJournalDoesNotMatch);
            }
            if (isStaged) {
                staged.push_back(&file);
            }
        }
        for (const SaveJournal::File* file : staged) {
            const std::string finalPath = pathOf(file->name);
            if (!fileSystem_.moveFile(finalPath + dataFiles::kStagedSuffix, finalPath)) {
                return fail(finalPath, fileSystem_.lastError());
            }
        }
        if (!fileSystem_.syncDirectory(directory_)) {
            return fail(directory_, fileSystem_.lastError());
        }
        if (!fileSystem_.removeFile(journalPath)) {
            return fail(journalPath, fileSystem_.lastError());
        }
        for (const char* name : dataFiles::kAll) {
            removeIfThere(pathOf(name) + dataFiles::kPreviousSuffix);
        }
        report(coreTexts::kRecoveryFinished);
        return true;
    }

    // Without a complete journal the data file names hold one whole set. Previous files
    // beside staged ones break that rule, so the names are not trusted and the previous
    // files go back.
    bool undo(bool journalFound) {
        bool anyStaged = false;
        for (const char* name : dataFiles::kAll) {
            anyStaged = anyStaged || fileSystem_.exists(pathOf(name) + dataFiles::kStagedSuffix);
        }
        bool restored = false;
        bool removedPrevious = false;
        for (const char* name : dataFiles::kAll) {
            const std::string finalPath = pathOf(name);
            const std::string previousPath = finalPath + dataFiles::kPreviousSuffix;
            if (!fileSystem_.exists(previousPath)) {
                continue;
            }
            if (anyStaged || !fileSystem_.exists(finalPath)) {
                if (!fileSystem_.moveFile(previousPath, finalPath)) {
                    return fail(previousPath, fileSystem_.lastError());
                }
                restored = true;
            } else {
                removedPrevious = removeIfThere(previousPath) || removedPrevious;
            }
        }
        if (restored && !fileSystem_.syncDirectory(directory_)) {
            return fail(directory_, fileSystem_.lastError());
        }
        for (const char* name : dataFiles::kAll) {
            removeIfThere(pathOf(name) + dataFiles::kStagedSuffix);
        }
        if (journalFound) {
            removeIfThere(pathOf(dataFiles::kSaveJournal));
        }
        if (restored) {
            report(coreTexts::kRecoveryPreviousRestored);
        } else if (anyStaged || journalFound) {
            report(coreTexts::kRecoveryUndone);
        } else if (removedPrevious) {
            report(coreTexts::kRecoveryPreviousRemoved);
        }
        return true;
    }

    bool removeIfThere(const std::string& path) {
        return fileSystem_.exists(path) && fileSystem_.removeFile(path);
    }

    void report(const char* format) {
        log_.log(LogLevel::Warning, formatMessage(format, {directory_}).c_str());
    }

    bool fail(const std::string& path, const std::string& reason) {
        log_.log(LogLevel::Error,
                 formatMessage(coreTexts::kRecoveryFailed, {directory_, path, reason}).c_str());
        return false;
    }

    const std::string& directory_;
    FileSystem& fileSystem_;
    LogSink& log_;
};

}  // namespace

bool recoverInterruptedSave(const std::string& directory, FileSystem& fileSystem, LogSink& log) {
    return Recovery(directory, fileSystem, log).run();
}
