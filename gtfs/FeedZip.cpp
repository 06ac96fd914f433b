#include <zip.h>

#include "gtfs/FeedFiles.h"
#include "gtfs/GtfsTexts.h"

namespace {

class ZipStream : public FeedStream {
public:
    explicit ZipStream(zip_file_t* file) : file_(file) {}
    ~ZipStream() override { zip_fclose(file_); }

    std::size_t read(char* buffer, std::size_t size) override {
        if (failed_) {
            return 0;
        }
        const zip_int64_t got = zip_fread(file_, buffer, size);
        if (got < 0) {
            failed_ = true;
            return 0;
        }
        return static_cast<std::size_t>(got);
    }
    bool failed() const override { return failed_; }

private:
    zip_file_t* file_;
    bool failed_ = false;
};

// Files are found by their name alone, so a feed zipped inside a folder reads the same.
class FeedZip : public FeedFiles {
public:
    explicit FeedZip(zip_t* archive) : archive_(archive) {}
    ~FeedZip() override { zip_discard(archive_); }

    bool has(const std::string& name) const override { return locate(name) >= 0; }

    std::unique_ptr<FeedStream> open(const std::string& name) const override {
        const zip_int64_t index = locate(name);
        if (index < 0) {
            return nullptr;
        }
        zip_file_t* file = zip_fopen_index(archive_, static_cast<zip_uint64_t>(index), 0);
        if (file == nullptr) {
            return nullptr;
        }
        return std::make_unique<ZipStream>(file);
    }

private:
    zip_int64_t locate(const std::string& name) const {
        return zip_name_locate(archive_, name.c_str(), ZIP_FL_NODIR);
    }

    zip_t* archive_;
};

}  // namespace

std::unique_ptr<FeedFiles> openFeedZip(const std::string& path, std::string& problem) {
    int error = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_RDONLY, &error);
    if (archive == nullptr) {
        zip_error_t reason;
        zip_error_init_with_code(&reason, error);
        problem = std::string(gtfsTexts::kNotAZip) + zip_error_strerror(&reason);
        zip_error_fini(&reason);
        return nullptr;
    }
    return std::make_unique<FeedZip>(archive);
}
