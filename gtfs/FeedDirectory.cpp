#include <sys/stat.h>

#include <cstdio>

#include "gtfs/FeedFiles.h"
#include "gtfs/GtfsTexts.h"

namespace {

class FileStream : public FeedStream {
public:
    explicit FileStream(std::FILE* file) : file_(file) {}
    ~FileStream() override { std::fclose(file_); }

    std::size_t read(char* buffer, std::size_t size) override {
        const std::size_t got = std::fread(buffer, 1, size, file_);
        failed_ = failed_ || std::ferror(file_) != 0;
        return got;
    }
    bool failed() const override { return failed_; }

private:
    std::FILE* file_;
    bool failed_ = false;
};

class FeedDirectory : public FeedFiles {
public:
    explicit FeedDirectory(std::string directory) : directory_(std::move(directory)) {}

    bool has(const std::string& name) const override {
        struct stat status;
        return stat(pathOf(name).c_str(), &status) == 0 && S_ISREG(status.st_mode);
    }

    std::unique_ptr<FeedStream> open(const std::string& name, std::string& problem) const override {
        std::FILE* file = std::fopen(pathOf(name).c_str(), "rb");
        if (file == nullptr) {
            problem = gtfsTexts::kUnreadable;
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
    return openFeedZip(path, problem);
}
