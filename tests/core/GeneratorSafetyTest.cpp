// What the generator does when records cannot be stored or files cannot be written: the files
// on disk always agree with each other, and a failed run leaves the previous files as they were.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/CoreTexts.h"
#include "core/DataFiles.h"
#include "core/RouteDatabase.h"
#include "tests/core/GeneratorFixture.h"
#include "tests/support/TestSupport.h"

namespace {

using Texts = std::vector<std::string>;

class GeneratorSafetyTest : public GeneratorFixture {
protected:
    bool errorContaining(const std::string& part) const {
        for (const auto& entry : log.entries) {
            if (entry.level == LogLevel::Error && entry.message.find(part) != std::string::npos) {
                return true;
            }
        }
        return false;
    }

    bool finished() const { return log.contains(LogLevel::Info, coreTexts::kAllDone); }
};

// A name of 512 UTF-16 code units: one more than a record can hold.
const std::string kUnconvertible = std::string(512, 'x');

TEST_F(GeneratorSafetyTest, StationThatDoesNotConvertIsLeftOutBeforeNumbering) {
    add(makeRoute("1", "A-" + kUnconvertible + "-B"));
    const DataFileSet files = generate();
    EXPECT_EQ(log.messages(), (Texts{coreTexts::kGeneratingData, coreTexts::kCountingData,
                                     coreTexts::kStationConvertFailed, kUnconvertible,
                                     coreTexts::kStationIndexCreated, coreTexts::kAllDone}));
    // Two stations, A = 0 and B = 1; the trip lists only those two.
    EXPECT_EQ(files.stationIndex, hexBytes("00 02 00 02 41 00 00 00 03 00 02 42 00 00 00 07"));
    EXPECT_EQ(files.stationTrips, hexBytes("00 00 08 00 02 00 00 00 02 00 00"));
    EXPECT_EQ(files.tripStations, hexBytes("00 00 06 00 04 00 00 00 01"));
}

TEST_F(GeneratorSafetyTest, RouteWhoseUpTextDoesNotConvertIsLeftOutWhole) {
    add(makeRoute("1", "A-B"));
    add(makeRoute(kUnconvertible, "A-C", "C-A"));
    add(makeRoute("3", "B-C"));
    const DataFileSet files = generate();
    EXPECT_TRUE(log.contains(LogLevel::Warning, coreTexts::kUpTripConvertFailed));
    EXPECT_TRUE(log.contains(LogLevel::Warning, kUnconvertible + "a,6:00,22:00,T,"));
    EXPECT_EQ(files.tripIndex.substr(0, 2), hexBytes("00 02"));
    // Stations A, B, C; route 3 is trip 1.
    EXPECT_EQ(files.stationTrips, hexBytes("00 00 0E 00 02 00 00 00 04 00 00 00 01 00 02 00 01"));
    EXPECT_EQ(files.tripStations, hexBytes("00 00 0C 00 04 00 00 00 01 00 04 00 01 00 02"));
}

TEST_F(GeneratorSafetyTest, RouteWhoseDownTextDoesNotConvertIsLeftOutWhole) {
    // Only the down text is too long: the terminal's times are longer than the start's.
    Route& route = add(makeRoute("2", "A-B", "B-A"));
    route.terminal.firstBus = std::string(505, '9');
    add(makeRoute("3", "A-B"));
    const DataFileSet files = generate();
    EXPECT_TRUE(log.contains(LogLevel::Warning, coreTexts::kDownTripConvertFailed));
    EXPECT_EQ(files.tripIndex.substr(0, 2), hexBytes("00 01"));
    EXPECT_EQ(files.stationTrips, hexBytes("00 00 08 00 02 00 00 00 02 00 00"));
    EXPECT_TRUE(finished());
}

TEST_F(GeneratorSafetyTest, TextOf511UnitsStillConverts) {
    add(makeRoute(std::string(507, 'n'), "A-B", "", "", ""));
    db.routes[0]->start = {};
    const DataFileSet files = generate();
    EXPECT_EQ(files.tripIndex.substr(0, 4), hexBytes("00 01 07 7E"));  // 1022 bytes
    EXPECT_TRUE(log.contains(LogLevel::Warning, coreTexts::kTripTextTooLong));
}

class LimitTest : public GeneratorSafetyTest {
protected:
    void expectNothingWritten(const std::string& errorPart) {
        EXPECT_TRUE(errorContaining(errorPart)) << errorPart;
        EXPECT_TRUE(log.contains(LogLevel::Error, coreTexts::kNothingWritten));
        EXPECT_FALSE(finished());
        EXPECT_FALSE(log.contains(LogLevel::Info, coreTexts::kStationIndexCreated));
        EXPECT_TRUE(listDirectory(dir.path()).empty());
    }

    static std::string stationList(int first, int count) {
        std::string list;
        for (int i = first; i < first + count; ++i) {
            list += "S" + std::to_string(i) + "-";
        }
        return list;
    }
};

TEST_F(LimitTest, StationCountAtAndOverTheLimit) {
    add(makeRoute("1", stationList(0, 5461)));
    add(makeRoute("2", stationList(5461, 5461)));
    add(makeRoute("3", stationList(10922, 5461)));
    EXPECT_TRUE(db.generate(dir.path()));
    EXPECT_TRUE(finished());  // 16383 stations fit

    log.entries.clear();
    TempDir fresh;
    db.routes.back()->upStations.push_back("one more");
    EXPECT_FALSE(db.generate(fresh.path()));
    EXPECT_TRUE(errorContaining("16384"));
    EXPECT_TRUE(errorContaining("16383"));
    EXPECT_FALSE(finished());
    EXPECT_TRUE(listDirectory(fresh.path()).empty());
}

TEST_F(LimitTest, TripCountOverTheLimit) {
    for (int i = 0; i < 8192; ++i) {
        const std::string a = "A" + std::to_string(i);
        const std::string b = "B" + std::to_string(i);
        add(makeRoute(std::to_string(i), a + "-" + b, b + "-" + a));
    }
    db.generate(dir.path());
    expectNothingWritten("16384");
}

TEST_F(LimitTest, TripStationListOverTheLimit) {
    add(makeRoute("long", stationList(0, 8191)));
    db.generate(dir.path());
    EXPECT_TRUE(finished());

    log.entries.clear();
    TempDir fresh;
    db.routes[0]->upStations.push_back("S0");
    db.generate(fresh.path());
    EXPECT_TRUE(errorContaining("8192"));
    EXPECT_TRUE(errorContaining("long,6:00,22:00,T,"));
    EXPECT_TRUE(listDirectory(fresh.path()).empty());
}

TEST_F(LimitTest, StationTripListOverTheLimit) {
    for (int i = 0; i < 4096; ++i) {
        add(makeRoute(std::to_string(i), "Hub-X", "X-Hub"));
    }
    db.generate(dir.path());
    expectNothingWritten("[Hub]");
    EXPECT_TRUE(errorContaining("8192"));
}

TEST_F(LimitTest, TripStationsFileOverTheLimit) {
    // 130 routes of 2 x 4050 entries: t.d needs 3 + 260 x 8102 = 2,106,523 bytes.
    const std::string up = stationList(0, 4050);
    std::string down;
    for (int i = 4049; i >= 0; --i) {
        down += "S" + std::to_string(i) + "-";
    }
    for (int i = 0; i < 130; ++i) {
        add(makeRoute(std::to_string(i), up, down));
    }
    db.generate(dir.path());
    expectNothingWritten("t.d");
    EXPECT_TRUE(errorContaining("2106523"));
}

class WriteFailureTest : public GeneratorSafetyTest {
protected:
    void SetUp() override {
        add(makeRoute("1", "A-B", "B-A"));
        before = generate();
        // The next run writes different files.
        db.routes[0]->upStations.push_back("C");
        log.entries.clear();
    }

    void expectPreviousFilesKept(const std::string& fileName) {
        EXPECT_TRUE(errorContaining(fileName)) << fileName;
        EXPECT_TRUE(log.contains(LogLevel::Error, coreTexts::kFilesUnchanged));
        EXPECT_FALSE(finished());
        EXPECT_EQ(DataFileSet::readFrom(dir.path()), before);
    }

    DataFileSet before;
};

TEST_F(WriteFailureTest, FileThatCannotBeCreatedLeavesThePreviousFiles) {
    for (const char* name : {"s.d", "s.i", "t.d", "t.i", "readme.txt"}) {
        SCOPED_TRACE(name);
        log.entries.clear();
        const std::string blocker = dir.file(std::string(name) + ".velorin-new");
        std::filesystem::create_directory(blocker);
        EXPECT_FALSE(db.generate(dir.path()));
        expectPreviousFilesKept(name);
        std::filesystem::remove(blocker);
        EXPECT_EQ(listDirectory(dir.path()), (Texts{"readme.txt", "s.d", "s.i", "t.d", "t.i"}));
    }
}

TEST_F(WriteFailureTest, SuccessfulRunAfterAFailureReplacesAllFiles) {
    std::filesystem::create_directory(dir.file("t.d.velorin-new"));
    db.generate(dir.path());
    std::filesystem::remove(dir.file("t.d.velorin-new"));
    log.entries.clear();
    const DataFileSet after = generate();
    EXPECT_TRUE(finished());
    EXPECT_NE(after.stationIndex, before.stationIndex);
    EXPECT_EQ(listDirectory(dir.path()), (Texts{"readme.txt", "s.d", "s.i", "t.d", "t.i"}));
}

TEST_F(GeneratorSafetyTest, MissingParentDirectoryIsReported) {
    add(makeRoute("1", "A-B"));
    EXPECT_FALSE(db.generate(dir.file("missing/out")));
    EXPECT_TRUE(errorContaining("s.d"));
    EXPECT_FALSE(finished());
}

TEST_F(GeneratorSafetyTest, NoDirectoryAtAllWritesNothing) {
    db.outputDir.clear();
    EXPECT_FALSE(db.generate(""));
    EXPECT_EQ(log.entries,
              (std::vector<RecordingLog::Entry>{{LogLevel::Error, coreTexts::kNoOutputDirectory}}));
}

}  // namespace
