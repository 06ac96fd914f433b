#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/CoreTexts.h"
#include "core/RouteDatabase.h"
#include "tests/support/TestSupport.h"

namespace {

using Texts = std::vector<std::string>;

// A data line with the given up and down fields and extra information.
std::string dataLine(const std::string& up, const std::string& down, const std::string& tail = "") {
    return "1,S,6:00,22:00,T,6:30,22:30,K," + up + "," + down + tail;
}

class ParserTest : public ::testing::Test {
protected:
    ParserTest() { db.logSink = &log; }

    bool parse(const std::string& text) { return db.parseText("input.txt", text); }

    const Route& route(std::size_t i) const { return *db.routes.at(i); }

    RouteDatabase db;
    RecordingLog log;
};

TEST_F(ParserTest, MissingFileReportsAndEmptiesTheRoutes) {
    db.routes.push_back(std::make_unique<Route>());
    EXPECT_FALSE(db.parse("no/such/input.txt"));
    EXPECT_EQ(log.entries,
              (std::vector<RecordingLog::Entry>{{LogLevel::Info, coreTexts::kLoadingResourceFile},
                                                {LogLevel::Error, coreTexts::kInputFileNotFound}}));
    EXPECT_TRUE(db.routes.empty());
    EXPECT_EQ(db.inputPath, "no/such/input.txt");
}

TEST_F(ParserTest, ReadsAFileWithWindowsLineEnds) {
    TempDir dir;
    writeFile(dir.file("in.txt"),
              "[city]\r\n合肥\r\n[datasection]\r\n" + dataLine("A-B", "略", ",x") + "\r\n");
    ASSERT_TRUE(db.parse(dir.file("in.txt")));
    EXPECT_EQ(db.header.city, "合肥\n");
    ASSERT_EQ(db.routes.size(), 1u);
    EXPECT_EQ(route(0).extraInfo, "x");
    EXPECT_EQ(log.messages(),
              (Texts{coreTexts::kLoadingResourceFile, coreTexts::kLoadingFinished}));
}

TEST_F(ParserTest, HeaderValuesAreWholeLinesWithTheirLineFeed) {
    db.header.memo = "earlier";
    ASSERT_TRUE(
        parse("comment line\n[author]\n  someone  \n[date]\n2009\n[city]\nX\n[datasection]\n"));
    EXPECT_EQ(db.header.author, "  someone  \n");
    EXPECT_EQ(db.header.date, "2009\n");
    EXPECT_EQ(db.header.city, "X\n");
    EXPECT_EQ(db.header.memo, "earlier");  // no marker: the field keeps what it had
    EXPECT_TRUE(db.routes.empty());
}

TEST_F(ParserTest, ValueLineThatBeginsWithABracketIsAlsoAMarkerLine) {
    ASSERT_TRUE(parse("[city]\n[date]\n2009\n[datasection]\n"));
    EXPECT_EQ(db.header.city, "[date]\n");
    EXPECT_EQ(db.header.date, "2009\n");
}

TEST_F(ParserTest, RepeatedMarkerReplacesTheValue) {
    ASSERT_TRUE(parse("[city]\nfirst\n[city]\nsecond\n[datasection]\n"));
    EXPECT_EQ(db.header.city, "second\n");
}

TEST_F(ParserTest, AnyOtherBracketedLineEndsTheHeader) {
    ASSERT_TRUE(parse("[city]\nX\n[data]\n" + dataLine("A-B", "") + "\n"));
    ASSERT_EQ(db.routes.size(), 1u);
    EXPECT_EQ(db.header.city, "X\n");
}

TEST_F(ParserTest, CityMarkerFoundAnywhereInTheMarkerLine) {
    ASSERT_TRUE(parse("[other][city]\nX\n[datasection]\n"));
    EXPECT_EQ(db.header.city, "X\n");
    // The city marker is a plain byte search, even after a lead byte.
    ASSERT_TRUE(parse("[\x81[city]\nY\n[datasection]\n"));
    EXPECT_EQ(db.header.city, "Y\n");
}

TEST_F(ParserTest, OtherMarkersMatchOnlyAtACharacterStart) {
    // 0x81 0x5B is one GBK character whose second byte is "[": no "[date]" marker there, so
    // the line ends the header part and the next line is data.
    db.header.date = "unchanged";
    ASSERT_TRUE(parse("[\x81[date]\n" + dataLine("A-B", "") + "\n"));
    EXPECT_EQ(db.header.date, "unchanged");
    EXPECT_EQ(db.routes.size(), 1u);

    ASSERT_TRUE(parse("[\x41[date]\nD\n[author]\nA\n[memo]\nM\n[end]\n"));
    EXPECT_EQ(db.header.date, "D\n");
    EXPECT_EQ(db.header.author, "A\n");
    EXPECT_EQ(db.header.memo, "M\n");
}

TEST_F(ParserTest, TextEndingAfterAMarkerLine) {
    db.header.city = "kept";
    EXPECT_TRUE(parse("[city]\n"));
    EXPECT_EQ(db.header.city, "kept");
    EXPECT_TRUE(parse("[city]"));
    EXPECT_EQ(db.header.city, "kept");
    EXPECT_TRUE(db.routes.empty());
    EXPECT_EQ(log.messages().back(), coreTexts::kLoadingFinished);
}

TEST_F(ParserTest, HeaderValueOnTheLastLineHasNoLineFeed) {
    EXPECT_TRUE(parse("[memo]\nlast"));
    EXPECT_EQ(db.header.memo, "last");
}

TEST_F(ParserTest, TextWithoutMarkersHasNoDataPart) {
    db.header.city = "kept";
    EXPECT_TRUE(parse("a line\n" + dataLine("A-B", "") + "\n"));
    EXPECT_TRUE(db.routes.empty());
    EXPECT_EQ(db.header.city, "kept");
}

TEST_F(ParserTest, AllElevenFieldsTrimmed) {
    ASSERT_TRUE(parse(
        "[datasection]\n 12 , 起点 ,6:00, 22:00 ,终点,6:30,22:30 , 空调 ,甲-乙 , 乙-甲 , 备注 \n"));
    const Route& r = route(0);
    EXPECT_EQ(r.name, "12");
    EXPECT_EQ(r.start.station, "起点");
    EXPECT_EQ(r.start.firstBus, "6:00");
    EXPECT_EQ(r.start.lastBus, "22:00");
    EXPECT_EQ(r.terminal.station, "终点");
    EXPECT_EQ(r.terminal.firstBus, "6:30");
    EXPECT_EQ(r.terminal.lastBus, "22:30");
    EXPECT_EQ(r.lineType, "空调");
    EXPECT_EQ(r.upStations, (Texts{"甲", "乙"}));
    EXPECT_EQ(r.downStations, (Texts{"乙", "甲"}));
    EXPECT_EQ(r.extraInfo, "备注");
}

TEST_F(ParserTest, TabBeforeAFieldStaysPartOfIt) {
    ASSERT_TRUE(parse("[datasection]\n\tname,S,a,b,T,c,d,K,A-B,,\tinfo\n"));
    EXPECT_EQ(route(0).name, "\tname");
    EXPECT_EQ(route(0).extraInfo, "\tinfo");
}

TEST_F(ParserTest, DownFieldForms) {
    struct Case {
        std::string down;
        Texts expected;
    };
    const std::vector<Case> cases = {
        {"略", {"R", "Q", "P"}},
        {"P-Q-R", {"R", "Q", "P"}},
        {"R-Q-P", {"R", "Q", "P"}},
        {"无", {}},
        {"", {}},
        {" 无 ", {}},
    };
    for (const Case& c : cases) {
        log.entries.clear();
        ASSERT_TRUE(parse("[datasection]\n" + dataLine("P-Q-R", c.down, ",x") + "\n")) << c.down;
        EXPECT_EQ(route(0).downStations, c.expected) << c.down;
        EXPECT_FALSE(log.hasLevel(LogLevel::Warning)) << c.down;
    }
}

TEST_F(ParserTest, LineEndingAfterTheUpFieldHasNoDownDirection) {
    ASSERT_TRUE(parse("[datasection]\n1,S,a,b,T,c,d,K,P-Q-R\n"));
    EXPECT_TRUE(route(0).downStations.empty());
    EXPECT_FALSE(log.hasLevel(LogLevel::Warning));
}

TEST_F(ParserTest, OmittedDownWithASingleUpStation) {
    ASSERT_TRUE(parse("[datasection]\n" + dataLine("P", "略") + "\n"));
    EXPECT_EQ(route(0).downStations, Texts{"P"});
    EXPECT_FALSE(log.hasLevel(LogLevel::Warning));
}

TEST_F(ParserTest, DifferentEndsWarnAndKeepTheRoute) {
    const std::string line = dataLine("P-Q-R", "R-Q-S", ",x");
    ASSERT_TRUE(parse("[datasection]\n" + line + "\n"));
    EXPECT_EQ(route(0).downStations, (Texts{"R", "Q", "S"}));
    EXPECT_EQ(log.entries.at(1).level, LogLevel::Warning);
    EXPECT_EQ(log.entries.at(1).message, "上行和下行起始站点不同:\n[R] vs [R]\n[P]vs[S]\n" + line);

    log.entries.clear();
    ASSERT_TRUE(parse("[datasection]\n" + dataLine("P-Q-R", "S-Q-P") + "\n"));
    EXPECT_TRUE(log.hasLevel(LogLevel::Warning));
}

TEST_F(ParserTest, ExtraInformationNeedsTheCommaAfterTheDownField) {
    ASSERT_TRUE(parse("[datasection]\n" + dataLine("A-B", "B-A") + "\n"));
    EXPECT_EQ(route(0).extraInfo, "");
    ASSERT_TRUE(parse("[datasection]\n" + dataLine("A-B", "B-A", ",one,two") + "\n"));
    EXPECT_EQ(route(0).extraInfo, "one");
}

TEST_F(ParserTest, ShortLinesSkippedOrRejected) {
    ASSERT_TRUE(parse("[datasection]\n\nx\n" + dataLine("A-B", "") + "\n"));
    EXPECT_EQ(db.routes.size(), 1u);

    for (const std::string bad : {"  ", "站", "1,S,a,b,T,c,d,K", "1,S,a,b,T,c,d,K,---,B"}) {
        log.entries.clear();
        EXPECT_FALSE(parse("[datasection]\n" + bad + "\n")) << bad;
        EXPECT_EQ(log.messages(),
                  (Texts{coreTexts::kLoadingResourceFile, coreTexts::kUpStationsEmpty, bad}))
            << bad;
        EXPECT_EQ(log.entries[1].level, LogLevel::Error);
        EXPECT_EQ(log.entries[2].level, LogLevel::Info);
    }
}

TEST_F(ParserTest, FailureKeepsTheRoutesBeforeTheBadLine) {
    db.header.author = "old";
    EXPECT_FALSE(parse("[city]\nC\n[datasection]\n" + dataLine("A-B", "") + "\n[datasection]\n" +
                       dataLine("C-D", "") + "\n"));
    ASSERT_EQ(db.routes.size(), 1u);
    EXPECT_EQ(route(0).upStations, (Texts{"A", "B"}));
    EXPECT_EQ(db.header.city, "C\n");
    EXPECT_EQ(db.header.author, "old");
    EXPECT_EQ(log.messages().back(), "[datasection]");
}

TEST_F(ParserTest, LastLineWithoutLineFeedKeepsAllItsCharacters) {
    ASSERT_TRUE(parse("[datasection]\n" + dataLine("A-B", "B-A", ",末尾")));
    EXPECT_EQ(route(0).extraInfo, "末尾");
}

TEST_F(ParserTest, RoutesWithTheSameNameAreAllKept) {
    ASSERT_TRUE(parse("[datasection]\n" + dataLine("A-B", "") + "\n" + dataLine("C-D", "") + "\n"));
    ASSERT_EQ(db.routes.size(), 2u);
    EXPECT_EQ(route(1).upStations, (Texts{"C", "D"}));
}

TEST_F(ParserTest, OverlongFieldIsCutWithAWarningShowingTheLine) {
    const std::string longName(2100, 'n');
    const std::string line = longName + ",S,a,b,T,c,d,K,A-B,,";
    ASSERT_TRUE(parse("[datasection]\n" + line + "\n"));
    EXPECT_EQ(route(0).name, std::string(2047, 'n'));
    EXPECT_TRUE(log.contains(LogLevel::Warning, "字段超过2047字节，超出的部分已舍去:\n" + line));
}

TEST_F(ParserTest, OverlongPhysicalLineIsReadInPieces) {
    // A 5000-byte line: its first 4095 bytes form one data line, the rest another.
    std::string up;
    while (up.size() < 4200) {
        up += "StationName-";
    }
    const std::string line = "1,S,a,b,T,c,d,K," + up + ",,x";
    ASSERT_GT(line.size(), 4095u);
    const std::string second = line.substr(4095);
    EXPECT_FALSE(parse("[datasection]\n" + line + "\n"));
    EXPECT_EQ(db.routes.size(), 1u);
    EXPECT_EQ(log.messages().back(), second);
}

TEST_F(ParserTest, ParseEmptiesTheRoutesOfTheLastRun) {
    ASSERT_TRUE(parse("[datasection]\n" + dataLine("A-B", "") + "\n"));
    ASSERT_TRUE(parse("[datasection]\n"));
    EXPECT_TRUE(db.routes.empty());
}

TEST(RouteDatabase, LogGoesToTheSinkOnlyWhileOneIsSet) {
    RouteDatabase db;
    RecordingLog sink;
    db.logSink = &sink;
    db.log(LogLevel::Warning, "heard");
    db.logSink = nullptr;
    db.log(LogLevel::Error, "nobody listens");
    EXPECT_EQ(sink.entries, (std::vector<RecordingLog::Entry>{{LogLevel::Warning, "heard"}}));
}

TEST(RouteDatabase, ClearRoutesKeepsHeaderAndPaths) {
    RouteDatabase db;
    db.header.city = "c";
    db.outputDir = "o";
    db.routes.push_back(std::make_unique<Route>());
    db.routes.push_back(nullptr);
    db.clearRoutes();
    EXPECT_TRUE(db.routes.empty());
    EXPECT_EQ(db.header.city, "c");
    EXPECT_EQ(db.outputDir, "o");
}

// The converter's own path reads the text into a table of views instead of routes; whatever
// the input, it must say and write what parsing and then generating say and write.
TEST(RouteDatabase, ConvertSaysAndWritesWhatParseThenGenerateDo) {
    std::string manyStops;
    for (int i = 0; i < 130; ++i) {
        manyStops += "S" + std::to_string(i % 70) + "-";
    }
    const std::string header = "[city]\n合肥\n[date]\n2026\n[datasection]\n";
    const std::vector<std::string> inputs = {
        header + dataLine("甲-乙-丙", "略", ",x") + "\n" + dataLine("丙-丁", "丁-丙") + "\n",
        "[city]\r\nC\r\n[datasection]\r\n" + dataLine("A-B", "略", ",x") + "\r\n" +
            dataLine("B-C-A", "A-C-B") + "\r\n",
        header + dataLine("P-Q-R", "R-Q-S", ",x") + "\n" + dataLine("P", "无") + "\n",
        header + dataLine("A-" + std::string(600, 's') + "-B", "B-A") + "\n" + dataLine("A-B", "") +
            "\n",
        header + dataLine(manyStops, "略") + "\n" + std::string(2100, 'n') + ",S,a,b,T,c,d,K,A,,\n",
        header + dataLine("A-B", "") + "\n1,S,a,b,T,c,d,K,---,B\n",
        "no data part at all",
    };
    for (const std::string& input : inputs) {
        TempDir parsedDir;
        RecordingLog parsedLog;
        RouteDatabase parsed;
        parsed.logSink = &parsedLog;
        bool parsedOk = parsed.parseText("in.txt", input);
        // Converting refuses to write a database without routes.
        if (parsedOk && parsed.routes.empty()) {
            parsed.log(LogLevel::Error, coreTexts::kNoRoutes);
            parsedOk = false;
        }
        parsedOk = parsedOk && parsed.generate(parsedDir.path());

        TempDir convertedDir;
        RecordingLog convertedLog;
        RouteDatabase converted;
        converted.logSink = &convertedLog;
        EXPECT_EQ(converted.convertText("in.txt", input, convertedDir.path()), parsedOk) << input;
        EXPECT_EQ(convertedLog.entries, parsedLog.entries) << input;
        EXPECT_EQ(converted.header.city, parsed.header.city) << input;
        if (parsedOk) {
            EXPECT_TRUE(DataFileSet::readFrom(convertedDir.path()) ==
                        DataFileSet::readFrom(parsedDir.path()))
                << input;
        } else {
            EXPECT_TRUE(std::filesystem::is_empty(convertedDir.path())) << input;
        }
    }

    RecordingLog log;
    RouteDatabase missing;
    missing.logSink = &log;
    EXPECT_FALSE(missing.convert("no/such/input.txt", "out"));
    EXPECT_EQ(log.entries,
              (std::vector<RecordingLog::Entry>{{LogLevel::Info, coreTexts::kLoadingResourceFile},
                                                {LogLevel::Error, coreTexts::kInputFileNotFound}}));
}

}  // namespace
