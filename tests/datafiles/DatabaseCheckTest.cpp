#include <gtest/gtest.h>

#include <set>

#include "core/DataFiles.h"
#include "datafiles/DatabaseCheck.h"
#include "tests/support/LoaderTestSupport.h"
#include "tests/support/RoundTripDatabase.h"

namespace {

using Names = std::vector<std::string>;

std::string describe(const CheckReport& report) {
    std::string out;
    for (const CheckProblem& p : report.problems) {
        out += p.file + ":" + std::to_string(p.offset) + ": " + p.text + "\n";
    }
    return out;
}

TEST(DatabaseCheckTest, AcceptsEveryGeneratedDatabaseAndCountsItsParts) {
    TempDir scratch;
    for (int seed = 0; seed < 100; ++seed) {
        RouteDatabase database;
        fillRoundTripDatabase(database, static_cast<std::uint32_t>(seed));
        const std::string dir = makeDirectory(scratch, std::to_string(seed));
        database.generate(dir);

        std::set<std::string> stations;
        std::size_t trips = 0;
        for (const auto& route : database.routes) {
            stations.insert(route->upStations.begin(), route->upStations.end());
            stations.insert(route->downStations.begin(), route->downStations.end());
            trips += route->hasDownDirection() ? 2 : 1;
        }
        const CheckReport report = checkDatabaseDirectory(dir);
        EXPECT_TRUE(report.problems.empty()) << "seed " << seed << "\n" << describe(report);
        EXPECT_EQ(report.stations, stations.size()) << "seed " << seed;
        EXPECT_EQ(report.trips, trips) << "seed " << seed;
        EXPECT_EQ(report.lines, database.routes.size()) << "seed " << seed;
    }
}

// The files of two lines over stations P, Q, R: 12 (trips 0 and 1) and 5 (trip 2).
class PlantedFaultTest : public ::testing::Test {
protected:
    void SetUp() override {
        RouteDatabase database;
        auto twelve = std::make_unique<Route>();
        twelve->name = "12";
        twelve->upStations = {"P", "Q", "R"};
        twelve->downStations = {"R", "P"};
        auto five = std::make_unique<Route>();
        five->name = "5";
        five->upStations = {"Q"};
        database.routes.push_back(std::move(twelve));
        database.routes.push_back(std::move(five));
        database.generate(scratch.path());
        for (const char* name : {"readme.txt", "s.i", "s.d", "t.i", "t.d"}) {
            memory.files[name] = readFile(dataFiles::pathIn(scratch.path(), name));
        }
    }

    // The single problem found, as "file:offset".
    std::string onlyProblem() {
        const CheckReport report = checkDataFiles(memory.source());
        if (report.problems.size() != 1) {
            return "problems:\n" + describe(report);
        }
        return report.problems[0].file + ":" + std::to_string(report.problems[0].offset);
    }

    // The first problem found, as "file:offset"; a fault may misplace the reads after it.
    std::string firstProblem() {
        const CheckReport report = checkDataFiles(memory.source());
        return report.problems.empty()
                   ? "none"
                   : report.problems[0].file + ":" + std::to_string(report.problems[0].offset);
    }

    std::string& file(const char* name) { return memory.files[name]; }

    TempDir scratch;
    MemoryFiles memory;
};

TEST_F(PlantedFaultTest, TheUntouchedFilesAgree) {
    const CheckReport report = checkDataFiles(memory.source());
    EXPECT_TRUE(report.problems.empty()) << describe(report);
    EXPECT_EQ(report.stations, 3u);
    EXPECT_EQ(report.trips, 3u);
    EXPECT_EQ(report.lines, 2u);
}

TEST_F(PlantedFaultTest, ReadmeWithoutItsByteOrderMarkOrMarkers) {
    file("readme.txt")[0] = 'x';
    EXPECT_EQ(onlyProblem(), "readme.txt:0");
    file("readme.txt") = "\xFF\xFE" + utf16le("[city]\r\n");
    EXPECT_EQ(onlyProblem(), "readme.txt:0");
}

// One changed field each, found at the offset of what it breaks. Where the change misplaces
// the reads after it, only the first problem counts.
TEST_F(PlantedFaultTest, EachChangedFieldIsFoundWhereItBreaks) {
    struct Change {
        const char* file;
        std::size_t at;
        std::string bytes;
        const char* found;
        bool onlyOne;
        const char* what;
    };
    const std::vector<Change> changes = {
        {"s.i", 0, twoByte(4), "s.i:23", true,
         "station count one too high: the fourth record would start at the end"},
        {"s.i", 13, threeByte(11), "s.i:13", false,
         "records are 7 bytes from offset 2; the second station's offset into s.d, 9, says 11"},
        {"s.d", 13, twoByte(1), "s.d:9", true,
         "station Q (s.d offset 9) lists trips 0 and 2; say 0 and 1 instead"},
        {"s.d", 0, threeByte(100), "s.d:0", true, "length header of s.d"},
        {"t.i", 18, threeByte(1000), "t.i:18", true,
         "the first trip's text \"12a,,,,\" is 7 units: its offset into t.d is at 2 + 2 + 14"},
        {"t.i", 2, twoByte(13), "t.i:2", false, "a text length of an odd number of bytes"},
        {"t.i", 3, std::string(1, static_cast<char>(0x8E)), "t.i:2", false,
         "a text length byte above 127"},
        {"t.d", 7, twoByte(3), "t.d:7", false,
         "trip 0's list is at 3 and holds P, Q, R; its second station 3 is out of range"},
        {"t.d", 0, threeByte(0), "t.d:0", true, "length header of t.d"},
    };
    const auto original = memory.files;
    for (const Change& change : changes) {
        memory.files = original;
        file(change.file).replace(change.at, change.bytes.size(), change.bytes);
        EXPECT_EQ(change.onlyOne ? onlyProblem() : firstProblem(), change.found) << change.what;
    }
}

TEST_F(PlantedFaultTest, FaultsFoundTwice) {
    const auto original = memory.files;
    // Names out of order: P and R swapped, so Q and P each fail to sort after the one before.
    file("s.i").replace(4, 2, utf16le("R"));
    file("s.i").replace(18, 2, utf16le("P"));
    CheckReport report = checkDataFiles(memory.source());
    ASSERT_EQ(report.problems.size(), 2u) << describe(report);
    EXPECT_EQ(report.problems[0].offset, 9u);
    EXPECT_EQ(report.problems[1].offset, 16u);

    memory.files = original;
    file("s.d").replace(13, 2, twoByte(3));  // trip 3 does not exist
    report = checkDataFiles(memory.source());
    ASSERT_EQ(report.problems.size(), 2u) << describe(report);
    EXPECT_EQ(report.problems[0].offset, 13u);
    EXPECT_EQ(report.problems[1].offset, 9u);  // and the list differs

    memory.files = original;
    file("s.d") += std::string(2, '\0');
    report = checkDataFiles(memory.source());
    EXPECT_EQ(report.problems.size(), 2u) << describe(report);  // header and trailing bytes

    memory.files = original;
    file("t.d").pop_back();
    EXPECT_FALSE(checkDataFiles(memory.source()).problems.empty());
}

TEST_F(PlantedFaultTest, MissingFilesAreProblems) {
    for (const char* name : {"readme.txt", "s.i", "s.d", "t.i", "t.d"}) {
        MemoryFiles without = memory;
        without.files.erase(name);
        const CheckReport report = checkDataFiles(without.source());
        ASSERT_FALSE(report.problems.empty()) << name;
        EXPECT_EQ(report.problems[0].file, name);
    }
}

}  // namespace
