// Imports one input as a feed directory (its files split as FeedFuzzInput.h says); the
// importer must neither crash nor read outside its buffers, and its report must be written.

#include <sys/stat.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fuzz/FeedFuzzInput.h"
#include "gtfs/FeedImport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string directory = "/tmp/velorin-import-fuzz-" + std::to_string(getpid());
    mkdir(directory.c_str(), 0700);
    std::string_view input(reinterpret_cast<const char*>(data), size);
    bool present = true;
    for (const char* name : kFeedFiles) {
        const std::string path = directory + "/" + name;
        std::remove(path.c_str());
        if (!present) {
            continue;
        }
        const std::size_t end = input.find(kFeedFileSeparator);
        const std::string_view content = input.substr(0, end);
        std::FILE* file = std::fopen(path.c_str(), "wb");
        if (file == nullptr ||
            std::fwrite(content.data(), 1, content.size(), file) != content.size() ||
            std::fclose(file) != 0) {
            std::abort();
        }
        present = end != std::string_view::npos;
        input.remove_prefix(present ? end + kFeedFileSeparator.size() : input.size());
    }
    RouteDatabase database;
    ImportReport report;
    ImportOptions options;
    options.stopTimesHeld = 4;  // small batches, so that inputs reach the batched reading
    // A budget near what a feed of this size keeps, so that inputs run out of it anywhere.
    options.bytesKept = size * 12;
    importFeed(directory, options, database, report);
    if (report.text().empty() || report.json().empty()) {
        std::abort();
    }
    return 0;
}
