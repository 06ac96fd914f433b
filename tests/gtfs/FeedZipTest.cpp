#include <gtest/gtest.h>

#include "core/MessageFormat.h"
#include "gtfs/FeedFiles.h"
#include "gtfs/zip/ZipTexts.h"
#include "tests/gtfs/ZipBuilder.h"
#include "tests/support/TestSupport.h"

namespace {

constexpr std::uint16_t kStored = 0;
constexpr std::uint16_t kDeflated = 8;

// Text that deflates poorly, longer than any buffer of the reader.
std::string largeText() {
    std::string text;
    std::uint32_t state = 12345;
    while (text.size() < 300000) {
        state = state * 1103515245u + 12345u;
        text += "t" + std::to_string(state % 977) + "," + std::to_string(state >> 8) + "\n";
    }
    return text;
}

// The archive with the little-endian 32-bit number at offset changed by delta.
std::string shifted(std::string archive, std::size_t at, int delta) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) {
        value = value << 8 | static_cast<unsigned char>(archive[at + i]);
    }
    value += static_cast<std::uint32_t>(delta);
    for (int i = 0; i < 4; ++i) {
        archive[at + i] = static_cast<char>(value >> (8 * i) & 0xFF);
    }
    return archive;
}

// The whole stream, read step bytes at a time.
std::string readAll(FeedStream& stream, std::size_t step) {
    std::string out;
    std::string buffer(step, '\0');
    while (const std::size_t got = stream.read(buffer.data(), step)) {
        out.append(buffer, 0, got);
    }
    return out;
}

class FeedZipTest : public ::testing::Test {
protected:
    std::unique_ptr<FeedFiles> open(const std::string& archive) {
        writeFile(folder.file("feed.zip"), archive);
        return openFeed(folder.file("feed.zip"), problem);
    }

    TempDir folder;
    std::string problem;
};

TEST_F(FeedZipTest, ReadsStoredAndDeflatedFilesByTheirNameAlone) {
    const std::string large = largeText();
    const std::vector<ZipMember> members = {
        {"stops.txt", "stop_id,stop_name\nA,Alpha\n", kStored},
        {"feed/", "", kStored},
        {"feed/routes.txt", "route_id,route_type\nR1,3\nR2,3\n", kDeflated},
        {"feed/deep/stop_times.txt", large, kDeflated},
        {"shapes.txt", large, kStored},
        {"other/routes.txt", "a later file of the same name", kStored},
    };
    const struct {
        const char* name;
        const std::string& content;
        std::size_t step;
    } cases[] = {
        {"stops.txt", members[0].content, 1 << 16},
        {"routes.txt", members[2].content, 3},
        {"stop_times.txt", large, 1 << 16},
        {"stop_times.txt", large, 1000},
        {"shapes.txt", large, 7000},
    };
    for (const bool zip64 : {false, true}) {
        SCOPED_TRACE(zip64 ? "zip64" : "zip");
        const auto feed = open(zipArchive(members, zip64));
        ASSERT_TRUE(feed) << problem;
        EXPECT_FALSE(feed->has("calendar.txt"));
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            ASSERT_TRUE(feed->has(c.name));
            const auto stream = feed->open(c.name, problem);
            ASSERT_TRUE(stream) << problem;
            EXPECT_EQ(readAll(*stream, c.step), c.content);
            EXPECT_FALSE(stream->failed());
        }
    }
}

TEST_F(FeedZipTest, DamagedDataFailsTheStream) {
    const std::string large = largeText();
    const std::vector<ZipMember> members = {{"stop_times.txt", large, kDeflated}};
    const std::string archive = zipArchive(members);
    const std::size_t data = 30 + members[0].name.size();
    const std::size_t entry = archive.find("PK\x01\x02");
    const struct {
        const char* what;
        std::size_t at;
        int delta;
        std::string problem;
    } cases[] = {
        {"a byte of the deflated data", data + 1000, 1, zipTexts::kZipDeflateDamaged},
        {"the CRC-32 in the directory", entry + 16, 1, zipTexts::kZipCrcMismatch},
        {"the size in the directory", entry + 24, 1,
         formatMessage(zipTexts::kZipSizeMismatch, {std::to_string(large.size() + 1)})},
        {"the size in the directory", entry + 24, -1,
         formatMessage(zipTexts::kZipSizeMismatch, {std::to_string(large.size() - 1)})},
        {"the compressed size in the directory (data cut short)", entry + 20, -1000,
         zipTexts::kZipDeflateCut},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto feed = open(shifted(archive, c.at, c.delta));
        ASSERT_TRUE(feed) << problem;
        const auto stream = feed->open("stop_times.txt", problem);
        ASSERT_TRUE(stream) << problem;
        readAll(*stream, 1 << 16);
        EXPECT_TRUE(stream->failed());
        EXPECT_EQ(stream->problem(), c.problem);
    }
}

TEST_F(FeedZipTest, RefusesArchivesItCannotReadAndSaysWhy) {
    const std::string archive = zipArchive({{"stops.txt", "stop_id\nA\n", kDeflated}});
    const std::size_t entry = archive.find("PK\x01\x02");
    const std::size_t end = archive.find("PK\x05\x06");
    const std::string notAZip = zipTexts::kNotAZip;
    const struct {
        const char* what;
        std::string bytes;
        std::string problem;
    } cases[] = {
        {"a text file", "stop_id,stop_name\nA,Alpha\n", notAZip + zipTexts::kZipNoEnd},
        {"an empty file", "", notAZip + zipTexts::kZipNoEnd},
        {"the end cut off", archive.substr(0, end + 10), notAZip + zipTexts::kZipNoEnd},
        {"the beginning cut off", archive.substr(20), notAZip + zipTexts::kZipDirectoryOutside},
        {"more entries counted than written", shifted(archive, end + 8, 0x00010001),
         notAZip + zipTexts::kZipDamagedDirectory},
        {"a name running past the directory", shifted(archive, entry + 28, 0xFF),
         notAZip + zipTexts::kZipDamagedDirectory},
        {"entries on other disks", shifted(archive, end + 6, 1),
         notAZip + zipTexts::kZipSeveralDisks},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        problem.clear();
        EXPECT_FALSE(open(c.bytes));
        EXPECT_EQ(problem, c.problem);
    }
}

TEST_F(FeedZipTest, RefusesFilesItCannotReadAndSaysWhy) {
    std::string damagedHeader = zipArchive({{"stops.txt", "stop_id\nA\n", kStored}});
    damagedHeader[0] = 'X';
    const struct {
        const char* what;
        std::string archive;
        std::string problem;
    } cases[] = {
        {"encrypted", zipArchive({{"stops.txt", "stop_id\nA\n", kStored, 0x0001}}),
         zipTexts::kZipEncrypted},
        {"compressed with bzip2", zipArchive({{"stops.txt", "stop_id\nA\n", 12}}),
         formatMessage(zipTexts::kZipMethod, {"bzip2"})},
        {"compressed with zstd", zipArchive({{"stops.txt", "stop_id\nA\n", 93}}),
         formatMessage(zipTexts::kZipMethod, {"Zstandard (zstd)"})},
        {"its local header damaged", damagedHeader, zipTexts::kZipDamagedEntry},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto feed = open(c.archive);
        ASSERT_TRUE(feed) << problem;
        EXPECT_TRUE(feed->has("stops.txt"));
        EXPECT_FALSE(feed->open("stops.txt", problem));
        EXPECT_EQ(problem, c.problem);
    }
}

}  // namespace
