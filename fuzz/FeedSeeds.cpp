// Writes the seed corpora of the feed fuzzers from a small feed of every file: the files
// joined for the import fuzzer, each file for the CSV fuzzer, and the feed as a zip archive,
// stored and deflated, for the zip fuzzer.
//   velorin_feed_seeds IMPORT_DIR CSV_DIR ZIP_DIR

#include <cstdio>
#include <string>
#include <vector>

#include "fuzz/FeedFuzzInput.h"
#include "tests/gtfs/ZipBuilder.h"
#include "tests/support/TestSupport.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fputs("usage: velorin_feed_seeds IMPORT_DIR CSV_DIR ZIP_DIR\n", stderr);
        return 2;
    }
    const auto files = smallFeedFiles();
    std::string joined;
    std::vector<ZipMember> stored;
    std::vector<ZipMember> deflated;
    for (std::size_t i = 0; i < files.size(); ++i) {
        joined += (i == 0 ? "" : std::string(kFeedFileSeparator)) + files[i];
        stored.push_back({kFeedFiles[i], files[i], 0});
        deflated.push_back({kFeedFiles[i], files[i], 8});
        writeFile(std::string(argv[2]) + "/" + kFeedFiles[i], "\x07" + files[i]);
    }
    writeFile(std::string(argv[1]) + "/small-feed", joined);
    writeFile(std::string(argv[3]) + "/stored.zip", zipArchive(stored));
    writeFile(std::string(argv[3]) + "/deflated.zip", zipArchive(deflated));
    return 0;
}
