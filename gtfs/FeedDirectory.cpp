#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "core/MessageFormat.h"
#include "gtfs/FeedFiles.h"
#include "gtfs/GtfsTexts.h"

namespace {

// Why a path that should be a readable file is not; empty when it is one.
std::string whyNotAFile(const std::string& path) {
    struct stat status;
    if (stat(path.c_str(), &status) != 0) {
        return formatMessage(gtfsTexts::kReadFailed, {std::strerror(errno)});
    }
    if (S_ISREG(status.st_mode)) {
        return {};
    }
    const char* kind = S_ISDIR(status.st_mode)    ? gtfsTexts::kDirectoryKind
                       : S_ISFIFO(status.st_mode) ? gtfsTexts::kPipeKind
                       : S_ISCHR(status.st_mode) || S_ISBLK(status.st_mode) ? gtfsTexts::kDeviceKind
                                                                            : gtfsTexts::kOtherKind;
    return formatMessage(gtfsTexts::kNotAFile, {kind});
}

class FileStream : public FeedStream {
public:
    explicit FileStream(std::FILE* file) : file_(file) {}
    ~FileStream() override { std::fclose(file_); }

    std::size_t read(char* buffer, std::size_t size) override {
        errno = 0;
        const std::size_t got = std::fread(buffer, 1, size, file_);
        if (!failed_ && std::ferror(file_) != 0) {
            failed_ = true;
            problem_ = formatMessage(gtfsTexts::kReadFailed, {std::strerror(errno)});
        }
        return got;
    }
    bool failed() const override { return failed_; }
    std::string problem() const override { return problem_; }

private:
    std::FILE* file_;
    bool failed_ = false;
    std::string problem_;
};

class FeedDirectory : public FeedFiles {
public:
    explicit FeedDirectory(std::string directory) : directory_(std::move(directory)) {}

    // Whatever lies under the name, so that a directory or a link loop there is reported as
    // what it is rather than as a missing file.
    bool has(const std::string& name) const override {
        struct stat status;
        return stat(pathOf(name).c_str(), &status) == 0 || errno != ENOENT;
    }

    std::unique_ptr<FeedStream> open(const std::string& name, std::string& problem) const override {
        problem = whyNotAFile(pathOf(name));
        if (!problem.empty()) {
            return nullptr;
        }
        std::FILE* file = std::fopen(pathOf(name).c_str(), "rb");
        if (file == nullptr) {
            problem = formatMessage(gtfsTexts::kReadFailed, {std::strerror(errno)});
            return nullptr;
        }
        return std::make_unique<FileStream>(file);
    }

private:
    std::string pathOf(const std::string& name) const { return directory_ + "/" + name; }

    std::string directory_;
};

}  // namespace

std::unique_ptr<FeedFiles> openFeed(const std::string& path, std::string& problem) {
    struct stat status;
    if (stat(path.c_str(), &status) != 0) {
        problem = gtfsTexts::kFeedMissing;
        return nullptr;
    }
    if (S_ISDIR(status.st_mode)) {
        return std::make_unique<FeedDirectory>(path);
    }
    // A pipe or a device would be read without end, or block.
    problem = whyNotAFile(path);
    return problem.empty() ? openFeedZip(path, problem) : nullptr;
}
