#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/CoreTexts.h"
#include "core/MessageFormat.h"
#include "core/RouteDatabase.h"
#include "tests/core/GeneratorFixture.h"
#include "tests/support/TestSupport.h"

namespace {

using Texts = std::vector<std::string>;

const Texts kQuietRun = {coreTexts::kGeneratingData, coreTexts::kCountingData,
                         coreTexts::kStationIndexCreated, coreTexts::kAllDone};

class GeneratorTest : public GeneratorFixture {
protected:
    std::vector<std::string> warnings() const {
        std::vector<std::string> texts;
        for (const auto& entry : log.entries) {
            if (entry.level == LogLevel::Warning) {
                texts.push_back(entry.message);
            }
        }
        return texts;
    }
};

std::string readmeBytes(const std::string& asciiText) {
    return "\xFF\xFE" + utf16le(asciiText);
}

// A counted trip text of an ASCII text, as it stands in t.i.
std::string countedAscii(const std::string& text) {
    std::string out{static_cast<char>(text.size() * 2 / 128),
                    static_cast<char>(text.size() * 2 % 128)};
    return out + utf16le(text);
}

TEST_F(GeneratorTest, WorkedExampleByteForByte) {
    Route& route = add(makeRoute("1", "A-B", "B-A"));
    route.start.station = "A";
    route.terminal.station = "B";
    const DataFileSet files = generate();

    EXPECT_EQ(files.stationIndex, hexBytes("00 02 00 02 41 00 00 00 03 00 02 42 00 00 00 09"));
    EXPECT_EQ(files.stationTrips, hexBytes("00 00 0C 00 04 00 00 00 01 00 04 00 00 00 01"));
    EXPECT_EQ(files.tripIndex, hexBytes("00 02 00 20") + utf16le("1a,6:00,22:00,T,") +
                                   hexBytes("00 00 03 00 20") + utf16le("1b,6:30,22:30,T,") +
                                   hexBytes("00 00 09"));
    EXPECT_EQ(files.tripStations, hexBytes("00 00 0C 00 04 00 00 00 01 00 04 00 01 00 00"));
    EXPECT_EQ(files.readme,
              readmeBytes("[city]\r\n\r\n\r\n[date]\r\n\r\n\r\n[author]\r\n\r\n\r\n[memo]\r\n"));
    EXPECT_EQ(log.messages(), kQuietRun);
}

TEST_F(GeneratorTest, EmptyDatabase) {
    const DataFileSet files = generate();
    EXPECT_EQ(files.stationIndex, hexBytes("00 00"));
    EXPECT_EQ(files.stationTrips, hexBytes("00 00 00"));
    EXPECT_EQ(files.tripIndex, hexBytes("00 00"));
    EXPECT_EQ(files.tripStations, hexBytes("00 00 00"));
    EXPECT_EQ(log.messages(), kQuietRun);
    for (const auto& entry : log.entries) {
        EXPECT_EQ(entry.level, LogLevel::Info);
    }
}

TEST_F(GeneratorTest, ReadmeHoldsTheHeaderTextsAsTheyStand) {
    db.header = {"City\n", "2009\n", "memo", "me\n"};
    const DataFileSet files = generate();
    EXPECT_EQ(files.readme, readmeBytes("[city]\r\nCity\n\r\n\r\n[date]\r\n2009\n\r\n\r\n"
                                        "[author]\r\nme\n\r\n\r\n[memo]\r\nmemo"));

    db.header = {"合肥", "", "", ""};
    const DataFileSet chinese = generate();
    EXPECT_EQ(chinese.readme.substr(0, 2 + 16 + 4),
              "\xFF\xFE" + utf16le("[city]\r\n") + hexBytes("08 54 A5 80"));
}

TEST_F(GeneratorTest, TripTextsCarryTheDirectionSuffix) {
    add(makeRoute("5", "A-B", "", "K", "info"));
    add(makeRoute("6", "A-B", "B-A", "K", ""));
    const DataFileSet files = generate();
    EXPECT_EQ(files.tripIndex.substr(0, 2), hexBytes("00 03"));
    EXPECT_NE(files.tripIndex.find(countedAscii("5,6:00,22:00,K,info")), std::string::npos);
    EXPECT_NE(files.tripIndex.find(countedAscii("6a,6:00,22:00,K,")), std::string::npos);
    EXPECT_NE(files.tripIndex.find(countedAscii("6b,6:30,22:30,K,")), std::string::npos);
}

TEST_F(GeneratorTest, StationsNumberedInByteOrder) {
    add(makeRoute("1", "B-A"));
    DataFileSet files = generate();
    EXPECT_EQ(files.stationIndex.substr(0, 5), hexBytes("00 02 00 02 41"));
    EXPECT_EQ(files.tripStations, hexBytes("00 00 06 00 04 00 01 00 00"));

    // GBK byte order, not Unicode order: 啊 is B0 A1, 一 is D2 BB; a prefix comes first.
    db.routes.clear();
    add(makeRoute("1", "一-AB-啊-A"));
    files = generate();
    EXPECT_EQ(files.tripStations, hexBytes("00 00 0A 00 08 00 03 00 01 00 02 00 00"));

    // Names that agree in their first eight bytes are ordered by the rest.
    db.routes.clear();
    add(makeRoute("1", "一二三四五-一二三四-一二三四啊"));
    files = generate();
    EXPECT_EQ(files.tripStations, hexBytes("00 00 08 00 06 00 02 00 00 00 01"));
}

TEST_F(GeneratorTest, StationNumbersDoNotDependOnRouteOrder) {
    add(makeRoute("1", "C-D"));
    add(makeRoute("2", "A-B"));
    const DataFileSet first = generate();
    std::swap(db.routes[0], db.routes[1]);
    const DataFileSet swapped = generate();
    EXPECT_EQ(first.stationIndex, swapped.stationIndex);
    EXPECT_NE(first.stationTrips, swapped.stationTrips);  // trip numbers follow route order
}

TEST_F(GeneratorTest, RepeatedStationListedOnceInStationTripsTwiceInTripStations) {
    add(makeRoute("1", "A-B-A"));
    const DataFileSet files = generate();
    EXPECT_EQ(files.stationTrips, hexBytes("00 00 08 00 02 00 00 00 02 00 00"));
    EXPECT_EQ(files.tripStations, hexBytes("00 00 08 00 06 00 00 00 01 00 00"));
}

TEST_F(GeneratorTest, StationOnlyInTheDownListIsNumbered) {
    add(makeRoute("1", "A-B", "B-C"));
    const DataFileSet files = generate();
    EXPECT_EQ(files.stationIndex.substr(0, 2), hexBytes("00 03"));
    EXPECT_EQ(files.tripStations, hexBytes("00 00 0C 00 04 00 00 00 01 00 04 00 01 00 02"));
}

TEST_F(GeneratorTest, StationTripWarningStartsAt128Trips) {
    for (int i = 0; i < 127; ++i) {
        add(makeRoute(std::to_string(i), "Hub-S" + std::to_string(i)));
    }
    generate();
    EXPECT_TRUE(warnings().empty());

    add(makeRoute("last", "Hub"));
    const DataFileSet files = generate();
    EXPECT_EQ(warnings(), Texts{coreTexts::kStationTooManyTrips});
    // Hub sorts first: its record lists all 128 trips.
    EXPECT_EQ(files.stationTrips.substr(3, 2), hexBytes("02 00"));
    EXPECT_EQ(files.stationTrips.substr(5 + 2 * 127, 2), hexBytes("00 7F"));
}

TEST_F(GeneratorTest, StopCountWarningsStartAt128Entries) {
    auto list = [](int n, const std::string& prefix) {
        std::string text;
        for (int i = 0; i < n; ++i) {
            text += prefix + std::to_string(i) + "-";
        }
        return text;
    };
    add(makeRoute("up127", list(127, "U")));
    generate();
    EXPECT_TRUE(warnings().empty());

    db.routes.clear();
    add(makeRoute("up128", list(128, "U"), list(128, "D")));
    const DataFileSet files = generate();
    EXPECT_EQ(warnings(), (Texts{"up128", coreTexts::kUpTripTooManyStations, "up128",
                                 coreTexts::kDownTripTooManyStations}));
    EXPECT_EQ(files.tripStations.substr(3, 2), hexBytes("02 00"));  // written in full
}

TEST_F(GeneratorTest, TripTextLengthWarnings) {
    // A one-direction route with empty times, type and information: text = name + ",,,,".
    auto oneWay = [](std::size_t textUnits) {
        Route route = makeRoute(std::string(textUnits - 4, 'n'), "A-B", "", "", "");
        route.start = {};
        return route;
    };
    add(oneWay(127));
    generate();
    EXPECT_TRUE(warnings().empty());

    db.routes.clear();
    add(oneWay(128));
    generate();
    EXPECT_EQ(warnings(), (Texts{coreTexts::kTripTextTooLong, std::string(124, 'n') + ",,,,"}));

    // The down trip's text comes before the message.
    log.entries.clear();
    db.routes.clear();
    Route twoWay = makeRoute(std::string(123, 'w'), "A-B", "B-A", "", "");
    twoWay.start = twoWay.terminal = {};
    add(twoWay);
    generate();
    EXPECT_EQ(warnings(), (Texts{coreTexts::kTripTextTooLong, std::string(123, 'w') + "a,,,,",
                                 std::string(123, 'w') + "b,,,,", coreTexts::kTripTextTooLong}));
}

TEST_F(GeneratorTest, EmptyArgumentWritesIntoTheStoredDirectory) {
    db.outputDir = dir.path();
    db.generate("");
    EXPECT_EQ(db.outputDir, dir.path());
    EXPECT_EQ(readFile(dir.file("s.i")), hexBytes("00 00"));

    TempDir other;
    db.generate(other.path());
    EXPECT_EQ(db.outputDir, other.path());
}

TEST_F(GeneratorTest, TwoRunsGiveIdenticalFiles) {
    add(makeRoute("1", "甲-乙-丙", "丙-乙-甲", "空调", "备注"));
    add(makeRoute("2", "乙-丁"));
    const DataFileSet first = generate();
    const DataFileSet second = generate();
    EXPECT_EQ(first, second);
    EXPECT_EQ(listDirectory(dir.path()), (Texts{"readme.txt", "s.d", "s.i", "t.d", "t.i"}));
}

TEST_F(GeneratorTest, EmptyRouteReferencesAreSkipped) {
    add(makeRoute("1", "A-B"));
    db.routes.push_back(nullptr);
    const DataFileSet files = generate();
    EXPECT_EQ(files.tripIndex.substr(0, 2), hexBytes("00 01"));
    EXPECT_EQ(log.messages(), kQuietRun);
}

TEST_F(GeneratorTest, RouteThatConvertingCouldNotReadWritesNothing) {
    struct Case {
        Route route;
        const char* problem;
    };
    Route emptyUpName = makeRoute("u", "A-B-C");
    emptyUpName.upStations[1].clear();
    Route emptyDownName = makeRoute("d", "A-B", "B-A");
    emptyDownName.downStations[1].clear();
    const Case cases[] = {
        {makeRoute("new", ""), coreTexts::kRouteWithoutUpStations},
        {emptyUpName, coreTexts::kRouteEmptyStation},
        {emptyDownName, coreTexts::kRouteEmptyStation},
    };
    for (const Case& c : cases) {
        RouteDatabase database;
        RecordingLog messages;
        database.logSink = &messages;
        database.routes.push_back(std::make_unique<Route>(makeRoute("ok", "A-B")));
        database.routes.push_back(std::make_unique<Route>(c.route));
        const std::string target = dir.file(c.route.name);
        EXPECT_FALSE(database.generate(target)) << c.route.name;
        EXPECT_FALSE(fileExists(target)) << c.route.name;
        ASSERT_EQ(messages.entries.size(), 1u) << c.route.name;
        EXPECT_EQ(messages.entries[0].level, LogLevel::Error);
        EXPECT_EQ(messages.entries[0].message, formatMessage(c.problem, {"2", c.route.name}));
    }
}

}  // namespace
