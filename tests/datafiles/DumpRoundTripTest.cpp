// The dump of a database converts back into the same data files.

#include <gtest/gtest.h>

#include "core/DataFiles.h"
#include "core/InputTextWriter.h"
#include "tests/support/LoaderTestSupport.h"
#include "tests/support/RoundTripDatabase.h"

namespace {

constexpr int kDatabases = 120;
const char* const kAllFiles[] = {"readme.txt", "s.i", "s.d", "t.i", "t.d"};

// A converted text with the header and data parts as people write them: CR LF line ends,
// comments in the header part, spaces around fields, every form of the down field.
constexpr char kHandWritten[] =
    "城市公交数据\r\n"
    "[city]\r\n某市\r\n[date]\r\n2009年5月\r\n注释行\r\n[author]\r\n张三\r\n[memo]\r\n"
    "第二版\r\n[datasection]\r\n"
    "1路, 东站 ,6:00,22:00,西站,6:30,22:30,空调,东站-中街-西站,略,票价1元\r\n"
    "2路,北门,5:30,21:00,南门,,,普通,北门-南门,,\r\n"
    "3路,A,1,2,B,3,4,T,A-B-C,A-B-C,x\r\n"
    "4路,A,1,2,B,3,4,T,A-B-C,C-X-A\r\n"
    "5,A,1,2,B,3,4,T,A--B,无,x\r\n"
    "补,A,,,B,,,,裝-補,補-裝,\r\n";

class DumpRoundTripTest : public ::testing::Test {
protected:
    // Converts an input text into a new directory; false when the parse failed.
    bool convert(const std::string& text, const std::string& dir) {
        RouteDatabase database;
        database.logSink = &log;
        if (!database.parseText("input.txt", text)) {
            return false;
        }
        database.generate(makeDirectory(scratch, dir));
        return true;
    }

    std::string dump(const std::string& dir) {
        RouteDatabase database;
        database.logSink = &log;
        EXPECT_TRUE(database.load(scratch.file(dir)));
        std::vector<InputTextProblem> problems;
        const std::string text = writeInputText(database, problems);
        EXPECT_TRUE(problems.empty()) << problems.front().line << ": " << problems.front().what;
        return text;
    }

    void expectSameFiles(const std::string& a, const std::string& b, const std::string& where) {
        for (const char* name : kAllFiles) {
            EXPECT_EQ(readFile(dataFiles::pathIn(scratch.file(a), name)),
                      readFile(dataFiles::pathIn(scratch.file(b), name)))
                << where << " " << name;
        }
    }

    TempDir scratch;
    RecordingLog log;
};

TEST_F(DumpRoundTripTest, AHandWrittenInputConvertsDumpsAndConvertsToTheSameFiles) {
    ASSERT_TRUE(convert(kHandWritten, "first"));
    const std::string text = dump("first");
    ASSERT_TRUE(convert(text, "second"));
    expectSameFiles("first", "second", "hand-written");
    EXPECT_EQ(dump("second"), text);
}

TEST_F(DumpRoundTripTest, RandomDatabasesConvertDumpAndConvertToTheSameFiles) {
    for (int seed = 0; seed < kDatabases; ++seed) {
        RouteDatabase database;
        fillRoundTripDatabase(database, static_cast<std::uint32_t>(seed));
        if (database.routes.empty()) {
            continue;  // nothing to load back: the loader refuses a database without stations
        }
        std::vector<InputTextProblem> problems;
        const std::string original = writeInputText(database, problems);
        ASSERT_TRUE(problems.empty()) << "seed " << seed;

        const std::string first = "first-" + std::to_string(seed);
        const std::string second = "second-" + std::to_string(seed);
        ASSERT_TRUE(convert(original, first)) << "seed " << seed;
        const std::string text = dump(first);
        EXPECT_EQ(text, original) << "seed " << seed;
        ASSERT_TRUE(convert(text, second)) << "seed " << seed;
        expectSameFiles(first, second, "seed " + std::to_string(seed));
    }
}

}  // namespace
