// Opens one input as a zipped feed and reads every file of a feed it names to its end; the
// zip reader must neither crash, read outside its buffers, nor hold more than its buffers.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fuzz/FeedFuzzInput.h"
#include "gtfs/FeedFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string path = "/tmp/velorin-zip-fuzz-" + std::to_string(getpid()) + ".zip";
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr || std::fwrite(data, 1, size, file) != size || std::fclose(file) != 0) {
        std::abort();
    }
    std::string problem;
    const auto feed = openFeedZip(path, problem);
    if (!feed) {
        return 0;
    }
    for (const char* name : kFeedFiles) {
        if (!feed->has(name)) {
            continue;
        }
        const auto stream = feed->open(name, problem);
        char buffer[4096];
        while (stream && stream->read(buffer, sizeof buffer) > 0) {
        }
    }
    return 0;
}
