#include "core/StagedFiles.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "core/CoreTexts.h"
#include "core/DataFiles.h"
#include "core/MessageFormat.h"

namespace {

constexpr char kStagedSuffix[] = ".velorin-new";
constexpr char kPreviousSuffix[] = ".velorin-old";

// Writes bytes to path; the errno of the first failure, or 0.
int writeWholeFile(const std::string& path, std::string_view bytes) {
    errno = 0;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return errno != 0 ? errno : EIO;
    }
    const bool written =
        std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() && std::fflush(file) == 0;
    int error = written ? 0 : (errno != 0 ? errno : EIO);
    if (std::fclose(file) != 0 && error == 0) {
        error = errno != 0 ? errno : EIO;
    }
    return error;
}

}  // namespace

StagedFiles::StagedFiles(std::string directory, LogSink& log)
    : directory_(std::move(directory)), log_(log) {}

StagedFiles::~StagedFiles() {
    if (!committed_) {
        for (const Entry& entry : entries_) {
            std::remove(entry.stagedPath.c_str());
        }
    }
}

bool StagedFiles::stage(const char* name, std::string_view bytes) {
    Entry entry;
    entry.finalPath = dataFiles::pathIn(directory_, name);
    entry.stagedPath = entry.finalPath + kStagedSuffix;
    entry.previousPath = entry.finalPath + kPreviousSuffix;
    const int error = writeWholeFile(entry.stagedPath, bytes);
    if (error != 0) {
        std::remove(entry.stagedPath.c_str());
        fail(entry.finalPath, error);
        return false;
    }
    entries_.push_back(std::move(entry));
    return true;
}

bool StagedFiles::commit() {
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        Entry& entry = entries_[i];
        std::remove(entry.previousPath.c_str());
        errno = 0;
        if (std::rename(entry.finalPath.c_str(), entry.previousPath.c_str()) == 0) {
            entry.hadPrevious = true;
        } else if (errno != ENOENT) {
            const int error = errno;
            undo(i);
            fail(entry.finalPath, error);
            return false;
        }
        if (std::rename(entry.stagedPath.c_str(), entry.finalPath.c_str()) != 0) {
            const int error = errno;
            if (entry.hadPrevious) {
                std::rename(entry.previousPath.c_str(), entry.finalPath.c_str());
            }
            undo(i);
            fail(entry.finalPath, error);
            return false;
        }
    }
    committed_ = true;
    for (const Entry& entry : entries_) {
        if (entry.hadPrevious) {
            std::remove(entry.previousPath.c_str());
        }
    }
    return true;
}

// Puts back the previous files of the first committedCount entries.
void StagedFiles::undo(std::size_t committedCount) {
    for (std::size_t i = committedCount; i-- > 0;) {
        const Entry& entry = entries_[i];
        std::remove(entry.finalPath.c_str());
        if (entry.hadPrevious) {
            std::rename(entry.previousPath.c_str(), entry.finalPath.c_str());
        }
    }
}

void StagedFiles::fail(const std::string& path, int error) {
    log_.log(LogLevel::Error,
             formatMessage(coreTexts::kCannotWriteFile, {path, std::strerror(error)}).c_str());
    log_.log(LogLevel::Error, coreTexts::kFilesUnchanged);
}
