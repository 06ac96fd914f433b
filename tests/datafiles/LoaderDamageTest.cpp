// Damaged data files: every count, length and offset that points past the end of its file
// ends the load with an error naming the file and the byte offset, and leaves no routes.

#include <gtest/gtest.h>

#include "core/DataFileBuilder.h"
#include "core/DataFiles.h"
#include "core/DatabaseLayout.h"
#include "core/MessageFormat.h"
#include "core/RouteDatabase.h"
#include "datafiles/DataFilesTexts.h"
#include "tests/support/LoaderTestSupport.h"
#include "tests/support/RoundTripDatabase.h"

namespace {

using Names = std::vector<std::string>;

std::string damage(const char* file, std::size_t offset, const std::string& reason) {
    return formatMessage(dataFilesTexts::kFileDamaged, {file, std::to_string(offset), reason});
}

std::string pastEndReason(std::size_t needed, std::size_t length) {
    return formatMessage(dataFilesTexts::kPastEnd,
                         {std::to_string(needed), std::to_string(length)});
}

// The start of the error for a damaged file, up to its offset.
std::string damagePrefix(const char* file) {
    const std::string full = formatMessage(dataFilesTexts::kFileDamaged, {file, "\x01", ""});
    return full.substr(0, full.find('\x01'));
}

class LoaderDamageTest : public ::testing::Test {
protected:
    void SetUp() override {
        database.logSink = &log;
        // Two lines: 12 in both directions over P, Q, R, and 5 in one.
        memory.files[dataFiles::kStationIndex] = stationIndexBytes({"P", "Q", "R"});
        const TripFileBytes trips = tripFileBytes({{"12a,6:00,22:00,T,x", {0, 1, 2}},
                                                   {"12b,6:30,22:30,T,x", {2, 1, 0}},
                                                   {"5,6:00,21:00,T,", {1}}});
        memory.files[dataFiles::kTripIndex] = trips.tripIndex;
        memory.files[dataFiles::kTripStations] = trips.tripStations;
    }

    // Loads after a previous load left routes behind; a failed load must remove them.
    bool load() {
        database.routes.push_back(std::make_unique<Route>());
        log.entries.clear();
        return loadDatabase(database, "db", memory.source());
    }

    void expectDamage(const std::string& error) {
        EXPECT_FALSE(load());
        EXPECT_TRUE(database.routes.empty());
        EXPECT_EQ(messagesAt(log, LogLevel::Error), Names{error});
        EXPECT_FALSE(log.contains(LogLevel::Info, dataFilesTexts::kLoadFinished));
    }

    std::string& file(const char* name) { return memory.files[name]; }

    RouteDatabase database;
    RecordingLog log;
    MemoryFiles memory;
};

TEST_F(LoaderDamageTest, TheUndamagedFilesLoad) {
    ASSERT_TRUE(load());
    EXPECT_EQ(database.routes.size(), 2u);
}

TEST_F(LoaderDamageTest, StationCountBeyondTheRecords) {
    const std::size_t length = file("s.i").size();
    file("s.i").replace(0, 2, twoByte(4));
    expectDamage(damage("s.i", length, pastEndReason(length + 2, length)));
}

TEST_F(LoaderDamageTest, StationNameLengthBeyondTheFile) {
    // The third record starts at 2 + 2 * 7 and its name is one UTF-16 unit.
    std::string& stations = file("s.i");
    stations.replace(16, 2, twoByte(40));
    expectDamage(damage("s.i", 16, pastEndReason(16 + 2 + 40 + 3, stations.size())));
}

TEST_F(LoaderDamageTest, StationIndexCutInsideItsLastOffset) {
    std::string& stations = file("s.i");
    stations.pop_back();
    expectDamage(damage("s.i", 16, pastEndReason(23, 22)));
}

TEST_F(LoaderDamageTest, NegativeCountsAndLengthsAreDamage) {
    // 00 80 decodes as -128 with signed bytes.
    const std::string negative("\x00\x80", 2);
    const auto original = memory.files;
    file("s.i").replace(0, 2, negative);
    expectDamage(damage("s.i", 0, formatMessage(dataFilesTexts::kNegativeCount, {"-128"})));

    memory.files = original;
    file("s.i").replace(2, 2, negative);
    expectDamage(damage("s.i", 2, formatMessage(dataFilesTexts::kNegativeLength, {"-128"})));

    memory.files = original;
    file("t.i").replace(0, 2, negative);
    expectDamage(damage("t.i", 0, formatMessage(dataFilesTexts::kNegativeCount, {"-128"})));

    memory.files = original;
    file("t.i").replace(2, 2, negative);
    expectDamage(damage("t.i", 2, formatMessage(dataFilesTexts::kNegativeLength, {"-128"})));

    memory.files = original;
    file("t.d").replace(3, 2, negative);
    expectDamage(damage("t.d", 3, formatMessage(dataFilesTexts::kNegativeLength, {"-128"})));
}

TEST_F(LoaderDamageTest, TripCountBeyondTheRecords) {
    const std::size_t length = file("t.i").size();
    file("t.i").replace(0, 2, twoByte(3 + 1));
    expectDamage(damage("t.i", length, pastEndReason(length + 2, length)));
}

TEST_F(LoaderDamageTest, TripTextLengthBeyondTheFile) {
    std::string& trips = file("t.i");
    trips.replace(2, 2, twoByte(1000));
    expectDamage(damage("t.i", 2, pastEndReason(2 + 2 + 1000 + 3, trips.size())));
}

TEST_F(LoaderDamageTest, TripOffsetsOutsideTheRecordsOfTripStations) {
    const std::size_t offsetAt = 2 + 2 + 2 * 18;  // after the first record's text
    const std::size_t length = file("t.d").size();
    const auto original = memory.files;
    for (int offset : {0, 2, static_cast<int>(length) - 1, static_cast<int>(length), 2097151}) {
        memory.files = original;
        file("t.i").replace(offsetAt, 3, threeByte(offset));
        expectDamage(damage("t.i", offsetAt,
                            formatMessage(dataFilesTexts::kOffsetOutside,
                                          {std::to_string(offset), std::to_string(length)})));
    }
    memory.files = original;
    file("t.i").replace(offsetAt, 3, std::string("\x7F\x00\x00", 3));
    EXPECT_FALSE(load());
}

TEST_F(LoaderDamageTest, StationListLengthBeyondTripStations) {
    // The last list is at 3 + 8 + 8 and holds one number.
    std::string& tripStations = file("t.d");
    tripStations.replace(19, 2, twoByte(6));
    expectDamage(damage("t.d", 19, pastEndReason(19 + 2 + 6, tripStations.size())));
}

TEST_F(LoaderDamageTest, EveryCutOfAGeneratedFileIsReportedWithNothingLoaded) {
    RouteDatabase source;
    fillRoundTripDatabase(source, 7);
    const RouteTable table(source.routes);
    const DatabaseLayout layout(table);
    ASSERT_GT(layout.trips.size(), 2u);
    const StationFiles stationFiles = buildStationFiles(layout, log);
    const TripFiles tripFiles = buildTripFiles(layout, log);
    const std::map<std::string, std::string> generated = {{"s.i", stationFiles.stationIndex},
                                                          {"t.i", tripFiles.tripIndex},
                                                          {"t.d", tripFiles.tripStations}};
    memory.files = generated;
    ASSERT_TRUE(load());

    for (const auto& [name, whole] : generated) {
        // A cut t.d shows either as an offset in t.i that points past its end or as a list
        // in t.d that runs past it.
        const Names blamed = name == "t.d" ? Names{"t.i", "t.d"} : Names{name};
        for (std::size_t cut = 0; cut < whole.size(); ++cut) {
            memory.files = generated;
            memory.files[name] = whole.substr(0, cut);
            EXPECT_FALSE(load()) << name << " cut at " << cut;
            EXPECT_TRUE(database.routes.empty()) << name << " cut at " << cut;
            const Names errors = messagesAt(log, LogLevel::Error);
            ASSERT_EQ(errors.size(), 1u) << name << " cut at " << cut;
            bool named = false;
            for (const std::string& file : blamed) {
                named = named || errors[0].rfind(damagePrefix(file.c_str()), 0) == 0;
            }
            EXPECT_TRUE(named) << name << " cut at " << cut;
        }
    }
}

}  // namespace
