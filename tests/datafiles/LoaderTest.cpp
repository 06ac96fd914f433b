#include <gtest/gtest.h>

#include "core/DataFiles.h"
#include "core/MessageFormat.h"
#include "core/RouteDatabase.h"
#include "datafiles/DataFilesTexts.h"
#include "tests/support/LoaderTestSupport.h"

namespace {

using Names = std::vector<std::string>;

// The example database: one line 1 between stations A and B, both directions.
const std::string kExampleStationIndex =
    twoByte(2) + countedText("A") + threeByte(3) + countedText("B") + threeByte(9);
const std::string kExampleStationTrips = std::string("\x00\x00\x0C\x00\x04\x00\x00\x00\x01", 9) +
                                         std::string("\x00\x04\x00\x00\x00\x01", 6);
const std::string kExampleTripIndex = twoByte(2) + countedText("1a,6:00,22:00,T,") + threeByte(3) +
                                      countedText("1b,6:30,22:30,T,") + threeByte(9);
const std::string kExampleTripStations =
    std::string("\x00\x00\x0C\x00\x04\x00\x00\x00\x01\x00\x04\x00\x01\x00\x00", 15);

class LoaderTest : public ::testing::Test {
protected:
    void SetUp() override { database.logSink = &log; }

    // Loads the given trips over the given stations from memory.
    bool loadTrips(const Names& stations, const std::vector<HandMadeTrip>& trips) {
        const TripFileBytes tripFiles = tripFileBytes(trips);
        memory.files[dataFiles::kStationIndex] = stationIndexBytes(stations);
        memory.files[dataFiles::kTripIndex] = tripFiles.tripIndex;
        memory.files[dataFiles::kTripStations] = tripFiles.tripStations;
        return loadDatabase(database, "db", memory.source());
    }

    const Route& route(std::size_t i) const { return *database.routes.at(i); }

    // A directory holding the example database's s.i, t.i and t.d, without readme.txt.
    static std::string exampleDirectory(const TempDir& scratch) {
        const std::string dir = makeDirectory(scratch, "db");
        writeFile(dataFiles::pathIn(dir, dataFiles::kStationIndex), kExampleStationIndex);
        writeFile(dataFiles::pathIn(dir, dataFiles::kTripIndex), kExampleTripIndex);
        writeFile(dataFiles::pathIn(dir, dataFiles::kTripStations), kExampleTripStations);
        return dir;
    }

    RouteDatabase database;
    RecordingLog log;
    MemoryFiles memory;
};

TEST_F(LoaderTest, ExampleDatabaseLoadsBackAndIsWrittenAgainByteForByte) {
    TempDir scratch;
    const std::string dir = exampleDirectory(scratch);

    ASSERT_TRUE(database.load(dir));
    EXPECT_EQ(database.outputDir, dir);
    ASSERT_EQ(database.routes.size(), 1u);
    const Route& line = route(0);
    EXPECT_EQ(line.name, "1");
    EXPECT_EQ(line.start.firstBus, "6:00");
    EXPECT_EQ(line.start.lastBus, "22:00");
    EXPECT_EQ(line.terminal.firstBus, "6:30");
    EXPECT_EQ(line.terminal.lastBus, "22:30");
    EXPECT_EQ(line.lineType, "T");
    EXPECT_EQ(line.extraInfo, "");
    EXPECT_EQ(line.upStations, (Names{"A", "B"}));
    EXPECT_EQ(line.downStations, (Names{"B", "A"}));
    EXPECT_EQ(line.start.station, "");
    EXPECT_EQ(line.terminal.station, "");
    EXPECT_EQ(messagesAt(log, LogLevel::Info), Names{dataFilesTexts::kLoadFinished});
    EXPECT_EQ(static_cast<int>(messagesAt(log, LogLevel::Error).size()) +
                  static_cast<int>(messagesAt(log, LogLevel::Warning).size()),
              0);

    database.generate("");
    EXPECT_EQ(readFile(dataFiles::pathIn(dir, dataFiles::kStationIndex)), kExampleStationIndex);
    EXPECT_EQ(readFile(dataFiles::pathIn(dir, dataFiles::kStationTrips)), kExampleStationTrips);
    EXPECT_EQ(readFile(dataFiles::pathIn(dir, dataFiles::kTripIndex)), kExampleTripIndex);
    EXPECT_EQ(readFile(dataFiles::pathIn(dir, dataFiles::kTripStations)), kExampleTripStations);
}

TEST_F(LoaderTest, AsksForTheFourFilesInOrderAndNeverForStationTrips) {
    ASSERT_TRUE(loadTrips({"A"}, {{"1,6:00,22:00,T,", {0}}}));
    EXPECT_EQ(memory.asked, (Names{"readme.txt", "s.i", "t.d", "t.i"}));
}

TEST_F(LoaderTest, UpAndDownRecordsOfOneNamePairIntoOneLine) {
    ASSERT_TRUE(loadTrips({"P", "Q", "R"},
                          {{"12a,6:00,22:00,T,x", {0, 1, 2}}, {"12b,6:30,22:30,T,x", {2, 1}}}));
    ASSERT_EQ(database.routes.size(), 1u);
    EXPECT_EQ(route(0).name, "12");
    EXPECT_EQ(route(0).start.firstBus, "6:00");
    EXPECT_EQ(route(0).start.lastBus, "22:00");
    EXPECT_EQ(route(0).terminal.firstBus, "6:30");
    EXPECT_EQ(route(0).terminal.lastBus, "22:30");
    EXPECT_EQ(route(0).lineType, "T");
    EXPECT_EQ(route(0).extraInfo, "x");
    // Each list holds exactly the entries of its own record.
    EXPECT_EQ(route(0).upStations, (Names{"P", "Q", "R"}));
    EXPECT_EQ(route(0).downStations, (Names{"R", "Q"}));
}

TEST_F(LoaderTest, LineTypeAndExtraInformationOfAPairComeFromTheDownRecord) {
    ASSERT_TRUE(loadTrips({"P"}, {{"3a,1,2,up,u", {0}}, {"3b,3,4,down,d", {0}}}));
    ASSERT_EQ(database.routes.size(), 1u);
    EXPECT_EQ(route(0).lineType, "down");
    EXPECT_EQ(route(0).extraInfo, "d");
}

TEST_F(LoaderTest, OneDirectionRecordsKeepTheirNamesAndFillOnlyTheStart) {
    ASSERT_TRUE(loadTrips({"P", "Q"}, {{"5,6:00,21:00,T,", {0, 1}}, {"7,,21:00,T,", {1}}}));
    ASSERT_EQ(database.routes.size(), 2u);
    EXPECT_EQ(route(0).name, "5");
    EXPECT_EQ(route(0).start.firstBus, "6:00");
    EXPECT_EQ(route(0).start.lastBus, "21:00");
    EXPECT_EQ(route(0).terminal.firstBus, "");
    EXPECT_EQ(route(0).terminal.lastBus, "");
    EXPECT_EQ(route(0).extraInfo, "");
    EXPECT_EQ(route(0).upStations, (Names{"P", "Q"}));
    EXPECT_TRUE(route(0).downStations.empty());
    // An empty field does not shift the fields after it.
    EXPECT_EQ(route(1).start.firstBus, "");
    EXPECT_EQ(route(1).start.lastBus, "21:00");
    EXPECT_EQ(route(1).lineType, "T");
}

TEST_F(LoaderTest, RecordsThatDoNotPairAreLinesOfOneDirectionNamedAsTheyStand) {
    // A final "a" record; an "a" record followed by another line; a "b" record of another
    // name; a lone "b" record; a name whose last GBK character ends in the byte 0x62.
    ASSERT_TRUE(loadTrips({"P", "Q"}, {{"4a,1,2,T,", {0}},
                                       {"5,3,4,T,", {1}},
                                       {"6a,,,T,", {0}},
                                       {"7b,,,T,", {1}},
                                       {"8b,5,6,T,", {0, 1}},
                                       {"裝,,,T,", {1}},
                                       {"9a,7,8,T,", {1, 0}}}));
    ASSERT_EQ(database.routes.size(), 7u);
    EXPECT_EQ(route(0).name, "4a");
    EXPECT_EQ(route(0).upStations, Names{"P"});
    EXPECT_EQ(route(1).name, "5");
    EXPECT_EQ(route(1).upStations, Names{"Q"});
    EXPECT_EQ(route(2).name, "6a");
    EXPECT_EQ(route(3).name, "7b");
    EXPECT_EQ(route(3).upStations, Names{"Q"});
    EXPECT_EQ(route(4).name, "8b");
    EXPECT_EQ(route(4).start.firstBus, "5");
    EXPECT_EQ(route(4).upStations, (Names{"P", "Q"}));
    EXPECT_EQ(route(5).name, "裝");
    EXPECT_EQ(route(6).name, "9a");
    EXPECT_EQ(route(6).start.lastBus, "8");
    for (const auto& line : database.routes) {
        EXPECT_TRUE(line->downStations.empty()) << line->name;
    }
}

TEST_F(LoaderTest, EmptyLineNamesPairToo) {
    ASSERT_TRUE(loadTrips({"P"}, {{"a,1,2,T,", {0}}, {"b,3,4,T,", {0}}}));
    ASSERT_EQ(database.routes.size(), 1u);
    EXPECT_EQ(route(0).name, "");
    EXPECT_EQ(route(0).downStations, Names{"P"});
}

TEST_F(LoaderTest, MissingFieldsAreEmptyAndFieldsAfterTheFifthAreDroppedWithAWarning) {
    ASSERT_TRUE(loadTrips({"P"}, {{"5", {0}}, {"6,1,2,T,x,y,z", {0}}}));
    ASSERT_EQ(database.routes.size(), 2u);
    EXPECT_EQ(route(0).name, "5");
    EXPECT_EQ(route(0).start.firstBus, "");
    EXPECT_EQ(route(0).lineType, "");
    EXPECT_EQ(route(1).extraInfo, "x");
    EXPECT_EQ(messagesAt(log, LogLevel::Warning),
              Names{formatMessage(dataFilesTexts::kTripTextExtraFields, {"6,1,2,T,x,y,z"})});
}

TEST_F(LoaderTest, TripTextOver511BytesIsReportedAndCutBeforeAWholeCharacter) {
    std::string chinese;
    for (int i = 0; i < 300; ++i) {
        chinese += "中";
    }
    const std::string oddCut = "A" + chinese + ",6:00,22:00,T,";
    const std::string evenCut = "AB" + chinese + ",6:00,22:00,T,";
    ASSERT_TRUE(loadTrips({"P"}, {{oddCut, {0}}, {evenCut, {0}}}));
    ASSERT_EQ(database.routes.size(), 2u);
    EXPECT_EQ(route(0).name, oddCut.substr(0, 511));
    EXPECT_EQ(route(1).name, evenCut.substr(0, 510));  // byte 511 would start a character
    EXPECT_EQ(route(0).start.firstBus, "");
    EXPECT_EQ(route(0).upStations, Names{"P"});
    EXPECT_EQ(messagesAt(log, LogLevel::Error),
              (Names{oddCut + dataFilesTexts::kTripTextTooLong,
                     evenCut + dataFilesTexts::kTripTextTooLong}));
}

TEST_F(LoaderTest, TripTextOfExactly511BytesIsKeptWhole) {
    const std::string text = "1," + std::string(505, 'x') + ",a,b";
    ASSERT_EQ(text.size(), 511u);
    ASSERT_TRUE(loadTrips({"P"}, {{text, {0}}}));
    EXPECT_EQ(route(0).start.firstBus, std::string(505, 'x'));
    EXPECT_EQ(static_cast<int>(messagesAt(log, LogLevel::Error).size()), 0);
}

TEST_F(LoaderTest, OddListLengthReadsTheWholeNumbersOnly) {
    memory.files[dataFiles::kStationIndex] = stationIndexBytes({"P", "Q", "R"});
    memory.files[dataFiles::kTripIndex] = twoByte(1) + countedText("1,,,,") + threeByte(3);
    memory.files[dataFiles::kTripStations] =
        threeByte(8) + twoByte(5) + twoByte(2) + twoByte(0) + std::string(1, '\x01');
    ASSERT_TRUE(loadDatabase(database, "db", memory.source()));
    EXPECT_EQ(route(0).upStations, (Names{"R", "P"}));
}

TEST_F(LoaderTest, OutOfRangeStationNumbersAreReportedAndSkippedAndTheListGoesOn) {
    // 3 is the station count; bytes 00 80 decode as -128 with signed bytes, 01 80 as 0.
    memory.files[dataFiles::kStationIndex] = stationIndexBytes({"P", "Q", "R"});
    memory.files[dataFiles::kTripIndex] = twoByte(1) + countedText("1,,,,") + threeByte(3);
    memory.files[dataFiles::kTripStations] = threeByte(12) + twoByte(10) + twoByte(1) + twoByte(3) +
                                             std::string("\x00\x80\x01\x80", 4) + twoByte(2);
    ASSERT_TRUE(loadDatabase(database, "db", memory.source()));
    EXPECT_EQ(route(0).upStations, (Names{"Q", "P", "R"}));
    EXPECT_EQ(messagesAt(log, LogLevel::Error), (Names{dataFilesTexts::kStationNumberOutOfRange,
                                                       dataFilesTexts::kStationNumberOutOfRange}));
}

TEST_F(LoaderTest, MissingStationIndexIsAnErrorNamingItsPath) {
    database.routes.push_back(std::make_unique<Route>());
    memory.files[dataFiles::kTripIndex] = twoByte(0);
    memory.files[dataFiles::kTripStations] = threeByte(0);
    EXPECT_FALSE(loadDatabase(database, "somewhere", memory.source()));
    EXPECT_TRUE(database.routes.empty());
    EXPECT_EQ(database.outputDir, "somewhere");
    EXPECT_EQ(messagesAt(log, LogLevel::Error),
              Names{formatMessage(dataFilesTexts::kStationIndexNotFound,
                                  {dataFiles::pathIn("somewhere", "s.i")})});
    EXPECT_EQ(memory.asked, (Names{"readme.txt", "s.i"}));
}

TEST_F(LoaderTest, MissingTripFilesOrNoStationFailWithoutAMessage) {
    const TripFileBytes trips = tripFileBytes({{"1,,,,", {0}}});
    struct Case {
        const char* what;
        std::map<std::string, std::string> files;
        Names asked;
    };
    const Case cases[] = {
        {"no t.d",
         {{"s.i", stationIndexBytes({"P"})}, {"t.i", trips.tripIndex}},
         {"readme.txt", "s.i", "t.d"}},
        {"no t.i",
         {{"s.i", stationIndexBytes({"P"})}, {"t.d", trips.tripStations}},
         {"readme.txt", "s.i", "t.d", "t.i"}},
        {"no station",
         {{"s.i", twoByte(0)}, {"t.i", trips.tripIndex}, {"t.d", trips.tripStations}},
         {"readme.txt", "s.i", "t.d"}},
    };
    for (const Case& c : cases) {
        MemoryFiles files{c.files, {}};
        RecordingLog quiet;
        database.logSink = &quiet;
        database.routes.push_back(std::make_unique<Route>());
        EXPECT_FALSE(loadDatabase(database, "db", files.source())) << c.what;
        EXPECT_TRUE(database.routes.empty()) << c.what;
        EXPECT_TRUE(quiet.entries.empty()) << c.what;
        EXPECT_EQ(files.asked, c.asked) << c.what;
    }
}

TEST_F(LoaderTest, NoTripLoadsWithoutRoutes) {
    ASSERT_TRUE(loadTrips({"P"}, {}));
    EXPECT_TRUE(database.routes.empty());
    EXPECT_TRUE(log.contains(LogLevel::Info, dataFilesTexts::kLoadFinished));
}

TEST_F(LoaderTest, LoadingTwiceReplacesTheRoutesOfTheFirstLoad) {
    TempDir scratch;
    const std::string dir = exampleDirectory(scratch);
    ASSERT_TRUE(database.load(dir));
    const Route* first = database.routes.at(0).get();
    const Route copy = *first;
    ASSERT_TRUE(database.load(dir));
    ASSERT_EQ(database.routes.size(), 1u);
    EXPECT_EQ(route(0).name, copy.name);
    EXPECT_EQ(route(0).upStations, copy.upStations);
    EXPECT_EQ(route(0).downStations, copy.downStations);
}

TEST_F(LoaderTest, FilesOnDiskThatAreMissingBehaveAsInMemory) {
    TempDir scratch;
    const std::string dir = makeDirectory(scratch, "db");
    EXPECT_FALSE(database.load(dir));
    EXPECT_EQ(messagesAt(log, LogLevel::Error),
              Names{formatMessage(dataFilesTexts::kStationIndexNotFound,
                                  {dataFiles::pathIn(dir, "s.i")})});
    writeFile(dataFiles::pathIn(dir, dataFiles::kStationIndex), kExampleStationIndex);
    log.entries.clear();
    EXPECT_FALSE(database.load(dir));
    EXPECT_TRUE(log.entries.empty());
}

// Header texts.

class HeaderLoadTest : public LoaderTest {
protected:
    bool loadWithReadme(const std::string& readmeText) {
        memory.files[dataFiles::kReadme] = "\xFF\xFE" + utf16le(readmeText);
        return loadTrips({"P"}, {});
    }

    void setHeader(const char* city, const char* date, const char* author, const char* memo) {
        database.header = {city, date, memo, author};
    }
};

TEST_F(HeaderLoadTest, ValuesLoseTheirTrailingLineBreaksAndWhiteSpaceOnly) {
    ASSERT_TRUE(
        loadWithReadme("[city]\r\n 某市\n\r\n\r\n[date]\r\n2009\t "
                       "\n\r\n\r\n[author]\r\n\r\n\r\n[memo]\r\n备注\n"));
    EXPECT_EQ(database.header.city, " 某市");
    EXPECT_EQ(database.header.date, "2009");
    EXPECT_EQ(database.header.author, "");
    EXPECT_EQ(database.header.memo, "备注");
    EXPECT_EQ(static_cast<int>(messagesAt(log, LogLevel::Warning).size()), 0);
}

TEST_F(HeaderLoadTest, GeneratedHeaderLoadsBackWithoutAccumulatingLineBreaks) {
    TempDir scratch;
    const std::string dir = makeDirectory(scratch, "db");
    database.header = {"城市\n", "日期\n", "备注\n多行\n", "作者\n"};
    auto line = std::make_unique<Route>();
    line->upStations = {"P"};
    database.routes.push_back(std::move(line));
    database.generate(dir);
    for (int round = 0; round < 2; ++round) {
        ASSERT_TRUE(database.load(dir));
        EXPECT_EQ(database.header.city, "城市");
        EXPECT_EQ(database.header.date, "日期");
        EXPECT_EQ(database.header.author, "作者");
        EXPECT_EQ(database.header.memo, "备注\n多行");
        database.generate(dir);
    }
}

TEST_F(HeaderLoadTest, MarkersMissingOrOutOfOrderLeaveTheHeaderWithAWarning) {
    const char* const readmes[] = {
        "",
        "[city]\r\nX\r\n\r\n[date]\r\nY\r\n\r\n[author]\r\nZ",
        "[date]\r\nY\r\n\r\n[city]\r\nX\r\n\r\n[author]\r\nZ\r\n\r\n[memo]\r\nW",
        "[city]\r\nX\r\n\r\n[memo]\r\nW\r\n\r\n[date]\r\nY\r\n\r\n[author]\r\nZ",
    };
    for (const char* readme : readmes) {
        setHeader("c", "d", "a", "m");
        log.entries.clear();
        ASSERT_TRUE(loadWithReadme(readme)) << readme;
        EXPECT_EQ(database.header.city, "c") << readme;
        EXPECT_EQ(database.header.date, "d") << readme;
        EXPECT_EQ(database.header.author, "a") << readme;
        EXPECT_EQ(database.header.memo, "m") << readme;
        EXPECT_EQ(messagesAt(log, LogLevel::Warning), Names{dataFilesTexts::kReadmeMarkersMissing});
    }
}

TEST_F(HeaderLoadTest, MarkersWithoutTheirLineBreakGiveEmptyValuesInsideTheText) {
    ASSERT_TRUE(loadWithReadme("[city][date][author]\r[memo]"));
    EXPECT_EQ(database.header.city, "");
    EXPECT_EQ(database.header.date, "");
    EXPECT_EQ(database.header.author, "");
    EXPECT_EQ(database.header.memo, "");
}

TEST_F(HeaderLoadTest, MissingReadmeKeepsTheHeaderWithoutAMessage) {
    setHeader("c", "d", "a", "m");
    ASSERT_TRUE(loadTrips({"P"}, {}));
    EXPECT_EQ(database.header.city, "c");
    EXPECT_EQ(database.header.memo, "m");
    EXPECT_EQ(messagesAt(log, LogLevel::Info), Names{dataFilesTexts::kLoadFinished});
    EXPECT_EQ(log.entries.size(), 1u);
}

}  // namespace
