#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "core/TextConversion.h"
#include "gtfs/CsvTable.h"
#include "gtfs/FeedImport.h"
#include "gtfs/GtfsTexts.h"
#include "gtfs/GtfsTime.h"
#include "gtfs/zip/ZipTexts.h"
#include "tests/gtfs/ZipBuilder.h"
#include "tests/support/TestSupport.h"

namespace {

using Files = std::map<std::string, std::string>;

// A feed of five routes: one with direction_id and a trip repeated by frequencies.txt, one
// without it whose return runs on other stop ids of the same names, one running after
// midnight in one direction, one without trips, and one whose sequences tie.
Files sampleFeed() {
    return {
        {"agency.txt", "agency_name\n[City] Bus\n"},
        {"stops.txt",
         "stop_id,stop_name,parent_station\n"
         "CEN,Central,\n"
         "P1,Platform 1,CEN\n"
         "B,Beta,\n"
         "C,Gamma\xF0\x9F\x98\x80,\n"
         "D,Dash-Stop,\n"
         "E,\"Edge, East\",\n"
         "D2,Dash-Stop,\n"
         "E2,\"Edge, East\",\n"
         "Z,,\n"},
        {"routes.txt",
         "route_type,route_long_name,colour,route_id,route_short_name\r\n"
         "3,\"Harbour, Loop\",red,R1,1\r\n"
         "3,East Line,red,R2,1\r\n"
         "800,Naktin\xC4\x97 \xE2\x86\x94 Centras,red,R3,\r\n"
         "3,Unused,red,R4,U\r\n"
         "799,,red,R5,5\r\n"},
        {"trips.txt",
         "route_id,service_id,trip_id,direction_id\n"
         "R1,WK,t1,0\nR1,SUN,t2,0\nR1,WK,t3,1\n"
         "R2,WK,t4,\nR2,WK,t5,\nR2,WK,t6,\n"
         "R3,WK,t7,1\n"
         "R5,WK,t8,\nR5,WK,t9,\nR5,WK,t10,\n"},
        {"stop_times.txt",
         "trip_id,stop_sequence,stop_id,departure_time,arrival_time\n"
         "t1,2,B,06:10:00,\nt1,1,P1,06:00:00,06:00:00\nt1,3,C,06:20:00,\n"
         "t2,1,P1,07:30:00,\nt2,2,B,,\nt2,3,C,07:50:00,\n"
         "t3,1,C,08:00:00,\nt3,2,B,08:10:00,\nt3,3,CEN,08:20:00,\n"
         "t4,1,D,09:00:00,\nt4,2,E,09:10:00,\nt5,1,D,10:00:00,\nt5,2,E,10:10:00,\n"
         "t6,1,E2,11:00:00,\nt6,2,D2,11:10:00,\n"
         "t7,1,B,24:05:00,\nt7,2,C,25:00:00,\nt7,3,Z,25:10:00,\n"
         "t8,1,B,,\nt8,2,C,12:10:00,\n"
         "t9,1,B,12:30:00,\nt9,2,C,12:40:00,\nt9,3,D,12:50:00,\n"
         "t10,1,C,13:00:00,\nt10,2,D,13:10:00,\nt10,3,B,13:20:00,\n"},
        {"frequencies.txt",
         "trip_id,start_time,end_time,headway_secs\nt2,07:00:00,09:00:00,1800\n"},
        {"calendar.txt",
         "service_id,monday,tuesday,wednesday,thursday,friday,saturday,sunday,start_date,end_date\n"
         "WK,1,1,1,1,1,0,0,20260101,20261231\n"
         "SUN,0,0,0,0,0,0,1,20260101,20261231\n"},
        {"calendar_dates.txt",
         "service_id,date,exception_type\nWK,20261208,2\nSUN,20261208,1\nSUN,20270103,1\n"},
    };
}

// A route as its data line, without the station fields the writer derives.
std::string lineOf(const Route& route) {
    auto join = [](const std::vector<std::string>& stations) {
        std::string text;
        for (const std::string& station : stations) {
            text += (text.empty() ? "" : "-") + station;
        }
        return text;
    };
    return route.name + "," + route.start.station + "," + route.start.firstBus + "," +
           route.start.lastBus + "," + route.terminal.station + "," + route.terminal.firstBus +
           "," + route.terminal.lastBus + "," + route.lineType + "," + join(route.upStations) +
           "," + join(route.downStations) + "," + route.extraInfo;
}

class FeedImportTest : public ::testing::Test {
protected:
    bool import(const Files& files, ImportOptions options = {}) {
        for (const auto& [name, content] : files) {
            writeFile(feed.file(name), content);
        }
        report = ImportReport();
        return importFeed(feed.path(), options, database, report);
    }

    std::vector<std::string> lines() const {
        std::vector<std::string> out;
        for (const auto& route : database.routes) {
            out.push_back(lineOf(*route));
        }
        return out;
    }

    // Each notice as "kind file:row field".
    std::vector<std::string> notices() const {
        std::vector<std::string> out;
        for (const Notice& n : report.notices) {
            out.push_back(n.kind + " " + n.file + ":" + std::to_string(n.row) + " " + n.field);
        }
        return out;
    }

    TempDir feed;
    RouteDatabase database;
    ImportReport report;
};

TEST_F(FeedImportTest, WritesOneLinePerRouteWithTripsAndReportsEveryChange) {
    ASSERT_TRUE(import(sampleFeed()));
    EXPECT_EQ(database.header.city, "［City] Bus");
    EXPECT_EQ(database.header.date, "2026-01-01至2027-01-03");
    const std::vector<std::string> expected = {
        "1,Central,6:00,8:30,Gamma?,8:00,8:00,公交,Central-Beta-Gamma?,Gamma?-Beta-Central,"
        "Harbour， Loop",
        "1(R2),Dash－Stop,9:00,10:00,Edge， East,11:00,11:00,公交,Dash－Stop-Edge， East,"
        "Edge， East-Dash－Stop,East Line",
        "Naktine － Centras,Beta,24:05,24:05,,,,无轨电车,Beta-Gamma?-Z,,",
        "5,Beta,12:30,12:30,,,,公交,Beta-Gamma?-Dash－Stop,,",
    };
    EXPECT_EQ(lines(), expected);
    const std::vector<std::string> expectedNotices = {
        "frequency_trips_expanded frequencies.txt:0 ",
        "replaced_character agency.txt:2 agency_name",
        "replaced_character routes.txt:2 route_long_name",
        "unrepresentable_character stops.txt:5 stop_name",
        "replaced_character stops.txt:6 stop_name",
        "replaced_character stops.txt:7 stop_name",
        "transliterated_letter routes.txt:4 route_long_name",
        "substituted_symbol routes.txt:4 route_long_name",
        "empty_name stops.txt:10 stop_name",
        "time_past_midnight stop_times.txt:17 departure_time",
        "time_past_midnight stop_times.txt:17 departure_time",
        "route_without_trips routes.txt:5 route_id",
        "missing_first_departure stop_times.txt:20 departure_time",
        "duplicate_route_name routes.txt:3 route_short_name",
    };
    EXPECT_EQ(notices(), expectedNotices);
    // The replaced text is quoted as the feed has it.
    EXPECT_NE(report.notices[6].detail.find("Naktin\xC4\x97 \xE2\x86\x94 Centras"),
              std::string::npos);
    EXPECT_EQ(report.routes, 4u);
    EXPECT_EQ(report.tripsUsed, 10u);
    EXPECT_EQ(report.stops, 6u);
}

TEST_F(FeedImportTest, AZippedFeedReadsAsTheSameFeedInADirectory) {
    ASSERT_TRUE(import(sampleFeed()));
    const std::vector<std::string> expectedLines = lines();
    const std::vector<std::string> expectedNotices = notices();
    std::vector<ZipMember> members;
    for (const auto& [name, content] : sampleFeed()) {
        members.push_back({"gtfs/" + name, content});
    }
    TempDir folder;
    const std::string zip = folder.file("feed.zip");
    writeFile(zip, zipArchive(members));
    report = ImportReport();
    ASSERT_TRUE(importFeed(zip, {}, database, report));
    EXPECT_EQ(lines(), expectedLines);
    EXPECT_EQ(notices(), expectedNotices);

    // A file the archive holds but the importer cannot read is named with the reason.
    members[0].flags = 0x0001;  // agency.txt encrypted
    writeFile(zip, zipArchive(members));
    report = ImportReport();
    EXPECT_FALSE(importFeed(zip, {}, database, report));
    ASSERT_FALSE(report.notices.empty());
    EXPECT_EQ(notices().front(), "unreadable_feed agency.txt:0 ");
    EXPECT_EQ(report.notices.front().detail, gbkToUtf8(zipTexts::kZipEncrypted));
}

TEST_F(FeedImportTest, StopTimesOfATripApartAreGatheredAllTheSame) {
    Files files = sampleFeed();
    std::string& stopTimes = files["stop_times.txt"];
    const std::string moved = "t1,3,C,06:20:00,\n";
    stopTimes.erase(stopTimes.find(moved), moved.size());
    stopTimes += moved;
    ASSERT_TRUE(import(files));
    EXPECT_EQ(lines()[0].substr(0, 45), "1,Central,6:00,8:30,Gamma?,8:00,8:00,公交,Cen");
    EXPECT_EQ(notices()[0], "stop_times_not_grouped_by_trip stop_times.txt:27 trip_id");

    // Every row apart from its trip's, read in batches of any size.
    ASSERT_TRUE(import(sampleFeed()));
    const std::vector<std::string> grouped = lines();
    const std::string sorted = sampleFeed()["stop_times.txt"];
    std::vector<std::string> rows;
    for (std::size_t at = sorted.find('\n') + 1; at < sorted.size();) {
        const std::size_t end = sorted.find('\n', at) + 1;
        rows.push_back(sorted.substr(at, end - at));
        at = end;
    }
    stopTimes = sorted.substr(0, sorted.find('\n') + 1);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        stopTimes += rows[i * 7 % rows.size()];  // 7 is prime to the 26 rows
    }
    for (const std::size_t held : {1, 2, 5, 1000}) {
        SCOPED_TRACE(held);
        ImportOptions options;
        options.stopTimesHeld = held;
        ASSERT_TRUE(import(files, options));
        EXPECT_EQ(lines(), grouped);
    }
}

TEST_F(FeedImportTest, TakesOnlyTheTripsThatRunOnTheDate) {
    const struct {
        const char* date;
        std::size_t routes;
        std::size_t trips;
    } cases[] = {
        {"20261208", 1, 1},  // a Tuesday without the weekday service, with the Sunday one
        {"20261209", 4, 9}, {"20261212", 0, 0},  // a Saturday
        {"20261213", 1, 1},                      // a Sunday
        {"20270103", 1, 1},                      // a Sunday added after the calendar's end
        {"20270104", 0, 0},                      // after both services end
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.date);
        ImportOptions options;
        options.byDate = parseGtfsDate(c.date, options.day);
        options.city = "某市";
        ASSERT_TRUE(import(sampleFeed(), options));
        EXPECT_EQ(report.routes, c.routes);
        EXPECT_EQ(report.tripsUsed, c.trips);
        EXPECT_EQ(database.header.city, "某市");
        EXPECT_EQ(database.header.date, formatDate(options.day));
    }
}

// Each edit of the sample feed with the notices it adds: every error in one run, each at its
// place, and nothing reported twice or as a consequence of another error.
TEST_F(FeedImportTest, ReportsEveryBrokenRowWithItsPlace) {
    ASSERT_TRUE(import(sampleFeed()));
    const std::vector<std::string> baseline = notices();
    struct Edit {
        const char* file;
        const char* from;  // empty: the file is removed
        const char* to;
    };
    const struct {
        std::vector<Edit> edits;
        std::vector<std::string> added;
    } cases[] = {
        {{{"stop_times.txt", "t4,2,E,09:10:00", "t99,2,E,09:10:00"}},
         {"unknown_trip stop_times.txt:12 trip_id"}},
        {{{"stop_times.txt", "t4,2,E,09:10:00", "t4,2,X,9:1:00"},
          {"stop_times.txt", "t5,1,D,", "t5,one,D,"}},
         {"unknown_stop stop_times.txt:12 stop_id",
          "malformed_time stop_times.txt:12 departure_time",
          "malformed_number stop_times.txt:13 stop_sequence"}},
        {{{"trips.txt", "R2,WK,t5", "R9,WK,t5"}}, {"unknown_route trips.txt:6 route_id"}},
        {{{"trips.txt", "service_id", "service"}},
         {"missing_required_column trips.txt:1 service_id"}},
        {{{"routes.txt", "\"Harbour, Loop\"", "\"Harbour, Loop"}}, {"malformed_csv routes.txt:2 "}},
        {{{"stops.txt", "", ""}}, {"missing_required_file stops.txt:0 "}},
        {{{"calendar_dates.txt", "20261208,2", "20261308,2"}, {"routes.txt", "", ""}},
         {"malformed_date calendar_dates.txt:2 date", "missing_required_file routes.txt:0 "}},
        {{{"frequencies.txt", "1800", "0"}}, {"malformed_number frequencies.txt:2 headway_secs"}},
        // Times without seconds are read, with one warning for the file.
        {{{"stop_times.txt", "t4,1,D,09:00:00", "t4,1,D,9:00"},
          {"stop_times.txt", "t4,2,E,09:10:00", "t4,2,E,9:10"}},
         {"time_without_seconds stop_times.txt:11 departure_time"}},
        {{{"trips.txt", "direction_id", "trip_id"}}, {"duplicated_column trips.txt:1 trip_id"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.added.front());
        TempDir folder;
        Files files = sampleFeed();
        for (const Edit& edit : c.edits) {
            std::string& text = files[edit.file];
            if (*edit.from == '\0') {
                files.erase(edit.file);
            } else {
                text.replace(text.find(edit.from), std::string(edit.from).size(), edit.to);
            }
        }
        for (const auto& [name, content] : files) {
            writeFile(folder.file(name), content);
        }
        report = ImportReport();
        const bool imported = importFeed(folder.path(), {}, database, report);
        EXPECT_EQ(imported, c.added.back().find("time_without") == 0);
        std::vector<std::string> added = notices();
        for (const std::string& known : baseline) {
            const auto found = std::find(added.begin(), added.end(), known);
            if (found != added.end()) {
                added.erase(found);
            }
        }
        EXPECT_EQ(added, c.added);
    }
}

TEST_F(FeedImportTest, StopsReadingAtTheErrorLimit) {
    Files files = sampleFeed();
    for (std::size_t i = 0; i <= kErrorLimit; ++i) {
        files["stop_times.txt"] += "t4,3,E,late,\n";
    }
    EXPECT_FALSE(import(files));
    EXPECT_EQ(std::count_if(report.notices.begin(), report.notices.end(),
                            [](const Notice& n) { return n.kind == gtfsTexts::kMalformedTime; }),
              static_cast<long>(kErrorLimit));
    EXPECT_EQ(report.notices.back().kind, gtfsTexts::kTooManyErrors);
}

}  // namespace

// Every budget short of what the feed needs ends in one feed_too_large error, at the file where
// it runs out, and nothing else goes wrong on the way; a budget that suffices changes nothing.
TEST_F(FeedImportTest, RefusesAFeedPastItsBudgetWhereverItRunsOut) {
    ASSERT_TRUE(import(sampleFeed()));
    const std::vector<std::string> unbounded = lines();
    for (const std::size_t held : {std::size_t{1} << 20, std::size_t{2}}) {
        SCOPED_TRACE(held);
        std::set<std::string> filesRunOut;
        bool imported = false;
        for (std::size_t budget = 0; !imported; budget += 64) {
            ImportOptions options;
            options.stopTimesHeld = held;
            options.bytesKept = budget;
            imported = import(sampleFeed(), options);
            if (imported) {
                EXPECT_EQ(lines(), unbounded);
                break;
            }
            ASSERT_EQ(report.count(NoticeSeverity::Error, gtfsTexts::kFeedTooLarge), 1u) << budget;
            ASSERT_EQ(
                std::count_if(report.notices.begin(), report.notices.end(),
                              [](const Notice& n) { return n.severity == NoticeSeverity::Error; }),
                1)
                << budget;
            const auto notice =
                std::find_if(report.notices.begin(), report.notices.end(),
                             [](const Notice& n) { return n.kind == gtfsTexts::kFeedTooLarge; });
            filesRunOut.insert(notice->file);
        }
        EXPECT_EQ(filesRunOut, (std::set<std::string>{"agency.txt", "calendar.txt",
                                                      "calendar_dates.txt", "routes.txt",
                                                      "stop_times.txt", "stops.txt", "trips.txt"}));
    }
}
