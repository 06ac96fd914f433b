#include "gtfs/ArchiveFile.h"
#include "gtfs/FeedFiles.h"
#include "gtfs/GtfsTexts.h"
#include "gtfs/ZipDirectory.h"
#include "gtfs/ZipEntryStream.h"

namespace {

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
        return openZipEntry(path_, *entry, directory_.dataEnd, problem);
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
    ArchiveFile file;
    if (!file.open(path)) {
        problem = std::string(gtfsTexts::kNotAZip) + file.lastError();
        return nullptr;
    }
    ZipDirectory directory;
    if (!readZipDirectory(file, directory, problem)) {
        return nullptr;
    }
    return std::make_unique<FeedZip>(path, std::move(directory));
}
