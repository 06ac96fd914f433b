// Writes the seed corpora of the feed fuzzers from a small feed of every file: the files
// joined for the import fuzzer, each file for the CSV fuzzer, and the feed as a zip archive,
// stored and deflated, for the zip fuzzer.
//   velorin_feed_seeds IMPORT_DIR CSV_DIR ZIP_DIR

#include <zlib.h>

#include <cstdio>
#include <string>
#include <vector>

#include "fuzz/FeedFuzzInput.h"
#include "tests/support/TestSupport.h"

namespace {

void put(std::string& out, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out += static_cast<char>(value >> (8 * i) & 0xFF);
    }
}

std::string rawDeflate(const std::string& text) {
    z_stream stream{};
    deflateInit2(&stream, 9, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    std::string out(deflateBound(&stream, text.size()), '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data()));
    stream.avail_in = static_cast<uInt>(text.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    deflate(&stream, Z_FINISH);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    return out;
}

// A zip archive of the files, without zip64 records.
std::string zipOf(const std::vector<std::pair<std::string, std::string>>& files, bool deflated) {
    std::string archive;
    std::string directory;
    for (const auto& [name, text] : files) {
        const std::string data = deflated ? rawDeflate(text) : text;
        const uLong crc =
            crc32(0, reinterpret_cast<const Bytef*>(text.data()), static_cast<uInt>(text.size()));
        std::string shared;
        put(shared, 0, 2);  // flags
        put(shared, deflated ? 8 : 0, 2);
        put(shared, 0, 4);  // time and date
        put(shared, crc, 4);
        put(shared, data.size(), 4);
        put(shared, text.size(), 4);
        put(shared, name.size(), 2);
        put(shared, 0, 2);  // extra field
        put(directory, 0x02014b50, 4);
        put(directory, 20, 2);
        put(directory, 20, 2);
        directory += shared;
        put(directory, 0, 8);  // comment, disk, internal attributes
        put(directory, 0, 4);  // external attributes
        put(directory, archive.size(), 4);
        directory += name;
        put(archive, 0x04034b50, 4);
        put(archive, 20, 2);
        archive += shared + name + data;
    }
    const std::size_t directoryOffset = archive.size();
    archive += directory;
    put(archive, 0x06054b50, 4);
    put(archive, 0, 4);
    put(archive, files.size(), 2);
    put(archive, files.size(), 2);
    put(archive, directory.size(), 4);
    put(archive, directoryOffset, 4);
    put(archive, 0, 2);
    return archive;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fputs("usage: velorin_feed_seeds IMPORT_DIR CSV_DIR ZIP_DIR\n", stderr);
        return 2;
    }
    const auto files = smallFeedFiles();
    std::string joined;
    std::vector<std::pair<std::string, std::string>> named;
    for (std::size_t i = 0; i < files.size(); ++i) {
        joined += (i == 0 ? "" : std::string(kFeedFileSeparator)) + files[i];
        named.push_back({kFeedFiles[i], files[i]});
        writeFile(std::string(argv[2]) + "/" + kFeedFiles[i], "\x07" + files[i]);
    }
    writeFile(std::string(argv[1]) + "/small-feed", joined);
    writeFile(std::string(argv[3]) + "/stored.zip", zipOf(named, false));
    writeFile(std::string(argv[3]) + "/deflated.zip", zipOf(named, true));
    return 0;
}
