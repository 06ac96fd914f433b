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

TEST_F(PlantedFaultTest, StationIndexFaults) {
    const auto original = memory.files;
    // Station count one too high: the fourth record would start at the end.
    file("s.i").replace(0, 2, twoByte(4));
    EXPECT_EQ(onlyProblem(), "s.i:23");
    // Records are 7 bytes from offset 2. The second station's offset into s.d, 9, says 11.
    memory.files = original;
    file("s.i").replace(13, 3, threeByte(11));
    EXPECT_EQ(firstProblem(), "s.i:13");
    // Names out of order: P and R swapped, so Q and P each fail to sort after the one before.
    memory.files = original;
    file("s.i").replace(4, 2, utf16le("R"));
    file("s.i").replace(18, 2, utf16le("P"));
    const CheckReport report = checkDataFiles(memory.source());
    ASSERT_EQ(report.problems.size(), 2u) << describe(report);
    EXPECT_EQ(report.problems[0].offset, 9u);
    EXPECT_EQ(report.problems[1].offset, 16u);
}

TEST_F(PlantedFaultTest, StationTripsFaults) {
    const auto original = memory.files;
    // Station Q (s.d offset 9) lists trips 0 and 2; say 0 and 1 instead.
    file("s.d").replace(13, 2, twoByte(1));
    EXPECT_EQ(onlyProblem(), "s.d:9");
    memory.files = original;
    file("s.d").replace(0, 3, threeByte(100));
    EXPECT_EQ(onlyProblem(), "s.d:0");
    memory.files = original;
    file("s.d").replace(13, 2, twoByte(3));  // trip 3 does not exist
    const CheckReport report = checkDataFiles(memory.source());
    ASSERT_EQ(report.problems.size(), 2u) << describe(report);
    EXPECT_EQ(report.problems[0].offset, 13u);
    EXPECT_EQ(report.problems[1].offset, 9u);  // and the list differs
    memory.files = original;
    file("s.d") += std::string(2, '\0');
    const CheckReport trailing = checkDataFiles(memory.source());
    EXPECT_EQ(trailing.problems.size(), 2u) << describe(trailing);  // header and trailing bytes
}

TEST_F(PlantedFaultTest, TripIndexFaults) {
    const auto original = memory.files;
    // The first trip's text "12a,,,," is 7 units: its offset into t.d is at 2 + 2 + 14.
    file("t.i").replace(18, 3, threeByte(1000));
    EXPECT_EQ(onlyProblem(), "t.i:18");
    memory.files = original;
    file("t.i").replace(2, 2, twoByte(13));
    EXPECT_EQ(firstProblem(), "t.i:2");
    memory.files = original;
    file("t.i")[3] = static_cast<char>(0x8E);
    EXPECT_EQ(firstProblem(), "t.i:2");
}

TEST_F(PlantedFaultTest, TripStationsFaults) {
    const auto original = memory.files;
    // Trip 0's list is at 3 and holds P, Q, R; make its second station 3, out of range.
    file("t.d").replace(7, 2, twoByte(3));
    const CheckReport report = checkDataFiles(memory.source());
    ASSERT_FALSE(report.problems.empty());
    EXPECT_EQ(report.problems[0].file, "t.d");
    EXPECT_EQ(report.problems[0].offset, 7u);
    memory.files = original;
    file("t.d").replace(0, 3, threeByte(0));
    EXPECT_EQ(onlyProblem(), "t.d:0");
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
