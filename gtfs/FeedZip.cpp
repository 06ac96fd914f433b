#include "gtfs/FeedFiles.h"
#include "gtfs/GtfsTexts.h"
#include "gtfs/zip/ZipDirectory.h"
#include "gtfs/zip/ZipEntryStream.h"

namespace {

class FeedZipStream : public FeedStream {
public:
    explicit FeedZipStream(std::unique_ptr<ZipEntryStream> entry) : entry_(std::move(entry)) {}

    std::size_t read(char* buffer, std::size_t size) override { return entry_->read(buffer, size); }
    bool failed() const override { return entry_->failed(); }
    std::string problem() const override { return entry_->problem(); }

private:
    std::unique_ptr<ZipEntryStream> entry_;
};

// Files are found by their name alone, so a feed zipped inside a folder reads the same; the
// first entry of that name counts.
class FeedZip : public FeedFiles {
public:
    FeedZip(std::string path, ZipDirectory directory)
        : path_(std::move(path)), directory_(std::move(directory)) {}

    bool has(const std::string& name) const override { return find(name) != nullptr; }

    std::unique_ptr<FeedStream> open(const std::string& name, std::string& problem) const override {
        const ZipEntry* entry = find(name);
        if (entry == nullptr) {
            problem = gtfsTexts::kUnreadable;
            return nullptr;
        }
        std::unique_ptr<ZipEntryStream> stream =
            openZipEntry(path_, *entry, directory_.dataEnd, problem);
        if (stream == nullptr) {
            return nullptr;
        }
        return std::make_unique<FeedZipStream>(std::move(stream));
    }

private:
    const ZipEntry* find(const std::string& name) const {
        for (const ZipEntry& entry : directory_.entries) {
            const std::size_t slash = entry.name.rfind('/');
            if (entry.name.compare(slash == std::string::npos ? 0 : slash + 1, std::string::npos,
                                   name) == 0) {
                return &entry;
            }
        }
        return nullptr;
    }

    std::string path_;
    ZipDirectory directory_;
};

}  // namespace

std::unique_ptr<FeedFiles> openFeedZip(const std::string& path, std::string& problem) {
    ZipDirectory directory;
    if (!openZipDirectory(path, directory, problem)) {
        return nullptr;
    }
    return std::make_unique<FeedZip>(path, std::move(directory));
}
