// Runs the real velorin-cli on generated data files.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <nlohmann/json.hpp>

#include "cli/CliTexts.h"
#include "core/DataFiles.h"
#include "core/MessageFormat.h"
#include "core/TextConversion.h"
#include "datafiles/DataFilesTexts.h"
#include "tests/support/LoaderTestSupport.h"
#include "tests/support/RoundTripDatabase.h"

namespace {

class CliCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        RouteDatabase database;
        fillRoundTripDatabase(database, 3);
        ASSERT_FALSE(database.routes.empty());
        routes = database.routes.size();
        database.generate(db);
    }

    // Runs velorin-cli with arguments, messages in GBK; returns the exit status.
    int run(const std::string& arguments) {
        const std::string command = std::string("'") + VELORIN_CLI + "' --output-encoding gbk " +
                                    arguments + " >'" + scratch.file("out") + "' 2>'" +
                                    scratch.file("err") + "'";
        const int status = std::system(command.c_str());
        out = readFile(scratch.file("out"));
        err = readFile(scratch.file("err"));
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    TempDir scratch;
    const std::string db = makeDirectory(scratch, "db");
    std::size_t routes = 0;
    std::string out;
    std::string err;
};

TEST_F(CliCommandsTest, DumpWritesTheSameTextToStandardOutputOrAFileAndInUtf8) {
    ASSERT_EQ(run("dump '" + db + "'"), 0) << err;
    const std::string gbk = out;
    EXPECT_EQ(gbk.rfind("[city]\n", 0), 0u);
    EXPECT_NE(err.find(dataFilesTexts::kLoadFinished), std::string::npos);

    ASSERT_EQ(run("dump '" + db + "' -o '" + scratch.file("dump.txt") + "'"), 0) << err;
    EXPECT_EQ(readFile(scratch.file("dump.txt")), gbk);
    EXPECT_TRUE(out.empty());

    ASSERT_EQ(run("dump --utf8 '" + db + "'"), 0) << err;
    EXPECT_EQ(out, gbkToUtf8(gbk));
}

TEST_F(CliCommandsTest, DumpOfADirectoryWithoutDataFilesFails) {
    EXPECT_EQ(run("dump '" + scratch.file("nothing") + "'"), 1);
    EXPECT_TRUE(out.empty());
    EXPECT_NE(err.find("s.i"), std::string::npos);
}

TEST_F(CliCommandsTest, CheckSummarisesAgreeingFilesAndListsTheProblemsOfDamagedOnes) {
    ASSERT_EQ(run("check '" + db + "'"), 0) << out;
    EXPECT_NE(out.find(std::to_string(routes) + "条线路\n"), std::string::npos) << out;

    const std::string tripStations = dataFiles::pathIn(db, dataFiles::kTripStations);
    writeFile(tripStations, readFile(tripStations) + "xx");
    ASSERT_EQ(run("check '" + db + "'"), 1);
    EXPECT_EQ(out.rfind("t.d:0: ", 0), 0u) << out;
    EXPECT_NE(out.find(formatMessage(cliTexts::kCheckFailed, {"2"})), std::string::npos) << out;
}

TEST_F(CliCommandsTest, WrongArgumentsAreUsageErrors) {
    EXPECT_EQ(run("dump"), 2);
    EXPECT_EQ(run("check a b"), 2);
    EXPECT_EQ(run("dump '" + db + "' -o"), 2);
    EXPECT_EQ(run("check --utf8 '" + db + "'"), 2);
    EXPECT_EQ(run("diff '" + db + "'"), 2);
    EXPECT_EQ(run("dump --dry-run '" + db + "'"), 2);
}

TEST_F(CliCommandsTest, DiffAndRenameTellByExitStatusAndRenameWritesOnlyWhenAsked) {
    const std::string text = scratch.file("city.txt");
    const std::string folder = scratch.file("city");
    const std::string city =
        "[city]\n云溪\n[datasection]\n"
        "1路,火车站,6:00,22:00,大学,6:20,22:30,空调,火车站-广场-大学,略,票价2元\n"
        "2路,北站,6:30,20:00,工业园,7:00,20:30,普通,北站-广场-工业园,,\n";
    writeFile(text, city);
    ASSERT_EQ(run("convert '" + text + "' '" + folder + "'"), 0) << err;
    EXPECT_EQ(run("diff '" + text + "' '" + folder + "'"), 0) << out << err;
    EXPECT_EQ(run("diff '" + text + "' '" + scratch.file("missing") + "'"), 2);

    EXPECT_EQ(run("rename '" + text + "' 广场 中心广场 --dry-run"), 0) << err;
    EXPECT_EQ(out.find(text + ":5: 2路（up）\n"), out.find('\n') + 1) << out;
    EXPECT_EQ(run("rename '" + text + "' 广场 中心-广场"), 2);
    EXPECT_EQ(run("rename '" + text + "' 东站 中心广场"), 1);
    EXPECT_EQ(readFile(text), city);

    ASSERT_EQ(run("rename '" + text + "' 广场 中心广场"), 0) << err;
    EXPECT_NE(readFile(text), city);
    EXPECT_EQ(run("diff '" + folder + "' '" + text + "' --json '" + scratch.file("d.json") + "'"),
              1);
    EXPECT_NE(readFile(scratch.file("d.json")).find(u8"\"old\": \"广场\""), std::string::npos);
    ASSERT_EQ(run("rename '" + folder + "' 广场 中心广场"), 0) << err;
    EXPECT_EQ(run("diff '" + folder + "' '" + text + "'"), 0) << out;
}

}  // namespace

// import as a user runs it: the text it writes converts without an error, and a broken feed
// leaves no text behind but a report that says why.
TEST(CliImportTest, WritesATextThatConvertsOrNothingAndAReportEitherWay) {
    TempDir scratch;
    const std::string feed = makeDirectory(scratch, "feed");
    writeFile(feed + "/agency.txt", "agency_name\nCity Bus\n");
    writeFile(feed + "/stops.txt", "stop_id,stop_name\nA,Alpha-1\nB,\"Beta, 2\"\n");
    writeFile(feed + "/routes.txt", "route_id,route_short_name,route_type\nR,1,3\n");
    writeFile(feed + "/trips.txt", "route_id,service_id,trip_id\nR,S,t1\nR,S,t2\n");
    const std::string stopTimes =
        "trip_id,stop_id,stop_sequence,departure_time\nt1,A,1,6:00:00\nt1,B,2,6:10:00\n"
        "t2,B,1,7:00:00\nt2,A,2,7:10:00\n";
    writeFile(feed + "/stop_times.txt", stopTimes);
    auto run = [&](const std::string& arguments) {
        const std::string command = std::string("'") + VELORIN_CLI + "' " + arguments +
                                    " >/dev/null 2>'" + scratch.file("err") + "'";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
    const std::string text = scratch.file("city.txt");
    const std::string report = scratch.file("report.json");

    ASSERT_EQ(run("import '" + feed + "' --utf8 -o '" + text + "' --report '" + report + "'"), 0)
        << readFile(scratch.file("err"));
    EXPECT_NE(readFile(text).find(u8"1,Alpha－1,6:00,6:00,Beta， 2,7:00,7:00,"), std::string::npos);
    EXPECT_NE(readFile(report).find("\"ok\": true"), std::string::npos);
    EXPECT_EQ(run("convert --input-encoding utf-8 '" + text + "' '" + scratch.file("db") + "'"), 0)
        << readFile(scratch.file("err"));

    std::remove(text.c_str());
    writeFile(feed + "/stop_times.txt", stopTimes + "t3,A,1,8:00:00\n");
    EXPECT_EQ(run("import '" + feed + "' -o '" + text + "' --report '" + report + "'"), 1);
    EXPECT_FALSE(fileExists(text));
    const nlohmann::json notice = nlohmann::json::parse(readFile(report))["notices"].back();
    EXPECT_EQ(notice["kind"], "unknown_trip");
    EXPECT_EQ(notice["file"], "stop_times.txt");
    EXPECT_EQ(notice["row"], 6);
    EXPECT_EQ(notice["field"], "trip_id");
}

namespace {

// Runs velorin-cli lint with arguments in scratch; the notices land in out (GBK).
struct LintRun {
    TempDir scratch;
    std::string out;

    int operator()(const std::string& arguments) {
        const std::string command = std::string("'") + VELORIN_CLI +
                                    "' --output-encoding gbk lint " + arguments + " >'" +
                                    scratch.file("out") + "' 2>&1";
        const int status = std::system(command.c_str());
        out = readFile(scratch.file("out"));
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::size_t count(const std::string& what) const {
        std::size_t n = 0;
        for (auto at = out.find(what); at != std::string::npos; at = out.find(what, at + 1)) {
            ++n;
        }
        return n;
    }
};

constexpr char kLintHeader[] = "[city]\n测试\n[datasection]\n";
// A real loop and a real night line, accepted once; then a new slip that alone is reported.
constexpr char kIntended[] =
    "1路,A,23:00,1:00,A,,,T,A-火车站-B-火车站-A,无,\n2路,C,,,E,,,T,C-D-E,略,\n";
constexpr char kNewSlip[] = "3路,F,,,H,,,T,F-G-G-H,略,\n";

}  // namespace

TEST(CliLintTest, AnAcceptedListHidesWhatWasAcceptedWhereverItMoves) {
    LintRun lint;
    const std::string text = lint.scratch.file("city.txt");
    const std::string accepted = lint.scratch.file("accepted.txt");
    writeFile(text, kLintHeader + std::string(kIntended));
    ASSERT_EQ(lint("'" + text + "' --write-accept '" + accepted + "'"), 1) << lint.out;
    EXPECT_EQ(lint.count(": warning: repeated_station: "), 1u) << lint.out;

    ASSERT_EQ(lint("'" + text + "' --accept '" + accepted + "'"), 0) << lint.out;
    EXPECT_EQ(lint.count(": warning: "), 0u) << lint.out;
    EXPECT_EQ(lint.count(": info: "), 0u) << lint.out;

    // Lines inserted above move the accepted notices; the new slip is the only one left.
    writeFile(text, kLintHeader + std::string(kNewSlip) + "\n\n" + kIntended);
    ASSERT_EQ(lint("'" + text + "' --accept '" + accepted + "'"), 1) << lint.out;
    EXPECT_EQ(lint.count(": warning: "), 1u) << lint.out;
    EXPECT_NE(lint.out.find("city.txt:4: up: warning: repeated_station: "), std::string::npos)
        << lint.out;

    // An accepted slip that was mended leaves its line unmatched, which is only information.
    writeFile(text, kLintHeader + std::string("1路,A,23:00,1:00,A,,,T,A-B-A,无,\n"));
    ASSERT_EQ(lint("'" + text + "' --accept '" + accepted + "'"), 0) << lint.out;
    EXPECT_EQ(lint.count(": info: accepted_unmatched: "), 1u) << lint.out;
}

TEST(CliLintTest, AConvertedFolderIsCheckedByRouteAndDirection) {
    LintRun lint;
    const std::string text = lint.scratch.file("city.txt");
    const std::string folder = lint.scratch.file("db");
    writeFile(text,
              kLintHeader + std::string("1路,A,6:00,ab,C,,,T,A-B-A-C,C-B-A-B,\n") +
                  "1路,D,,,E,,,T,D-人民广场（东）-E,略,\n2路,F,,,E,,,T,F-人民广场(东)-E,略,\n");
    ASSERT_EQ(lint("'" + text + "'"), 1) << lint.out;
    const std::string fromText = lint.out;
    const std::string command = std::string("'") + VELORIN_CLI + "' convert '" + text + "' '" +
                                folder + "' >/dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0);

    const std::string json = lint.scratch.file("lint.json");
    ASSERT_EQ(lint("'" + folder + "' --json '" + json + "'"), 1) << lint.out;
    const std::pair<std::string, std::size_t> found[] = {{"repeated_station", 2},
                                                         {"malformed_time", 1},
                                                         {"duplicate_line_name", 1},
                                                         {"similar_station_names", 1}};
    for (const auto& [kind, count] : found) {
        EXPECT_EQ(lint.count(": warning: " + kind + ": "), count) << kind << "\n" << lint.out;
        EXPECT_NE(fromText.find(": warning: " + kind + ": "), std::string::npos) << kind;
    }
    EXPECT_NE(lint.out.find(folder + ": 1路(down): down: warning: repeated_station: "),
              std::string::npos)
        << lint.out;
    const std::string report = readFile(json);
    EXPECT_NE(report.find("\"direction\": \"down\""), std::string::npos) << report;
    EXPECT_NE(report.find(u8"\"route\": \"1路\""), std::string::npos) << report;
    EXPECT_EQ(report.find("\"line\""), std::string::npos) << report;
    EXPECT_NE(report.find("\"repeated_station\": 2"), std::string::npos) << report;
}

// station and query on a text, as a script reads their answers: JSON on standard output.
TEST_F(CliCommandsTest, StationAndQueryAnswerOrNameWhatWasMeant) {
    const std::string city = scratch.file("city.txt");
    writeFile(city,
              "[city]\nX\n[datasection]\n"
              "1路,A,6:00,22:00,C,6:20,22:30,空调,A-B-C,略,\n"
              "2路,B,7:00,21:00,D,,,普通,B-D,无,\n");
    struct Case {
        std::string arguments;
        int status;
        std::string json;
    };
    const Case cases[] = {
        {"station '" + city + "' B", 0,
         u8R"({"station":"B","lines":[)"
         u8R"({"line":"1路","direction":"up","type":"空调","previous":"A","next":"C",)"
         u8R"("first_bus":"6:00","last_bus":"22:00"},)"
         u8R"({"line":"1路","direction":"down","type":"空调","previous":"C","next":"A",)"
         u8R"("first_bus":"6:20","last_bus":"22:30"},)"
         u8R"({"line":"2路","direction":"up","type":"普通","previous":null,"next":"D",)"
         u8R"("first_bus":"7:00","last_bus":"21:00"}]})"},
        {"station '" + city + "' 'B 路'", 1,
         u8R"({"station":"B 路","lines":[],"unknown":[{"name":"B 路","candidates":[]}]})"},
        {"station '" + city + "' Ｂ", 1,
         u8R"({"station":"Ｂ","lines":[],"unknown":[{"name":"Ｂ","candidates":["B"]}]})"},
        {"query '" + city + "' C D", 0,
         u8R"({"from":"C","to":"D","journeys":[{"legs":[)"
         u8R"({"line":"1路","direction":"down","board":"C","alight":"B","stops":1},)"
         u8R"({"line":"2路","direction":"up","board":"B","alight":"D","stops":1}]}]})"},
        {"query '" + city + "' D A", 1, u8R"({"from":"D","to":"A","journeys":[]})"},
        {"query '" + city + "' A Ｄ", 1,
         u8R"({"from":"A","to":"Ｄ","journeys":[],"unknown":[{"name":"Ｄ","candidates":["D"]}]})"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(run(c.arguments + " --json -"), c.status) << c.arguments << err;
        std::string compact;
        bool inString = false;
        for (char ch : out) {
            inString ^= ch == '"';
            if (inString || (ch != ' ' && ch != '\n')) {
                compact += ch;
            }
        }
        EXPECT_EQ(compact, c.json) << c.arguments;
    }
    EXPECT_EQ(run("query '" + city + "' A"), 2);
    EXPECT_EQ(run("station '" + city + "' A --utf8"), 2);
    EXPECT_EQ(run("query '" + scratch.file("missing") + "' A B"), 1);
}

// A text dropped on the program: its report goes beside it, named after the city, over an
// earlier report but never over another file. A station named like a marker of the page's
// template stays a name.
TEST_F(CliCommandsTest, ADroppedTextGetsItsReportBesideIt) {
    const std::string city = scratch.file("city.txt");
    writeFile(city,
              "[city]\nX\n[datasection]\n1,A,6:00,22:00,@SCRIPT@,6:20,22:30,T,A-@SCRIPT@,略,\n");
    writeFile(scratch.file("X.html"), "not a report");
    for (int run_ = 0; run_ < 2; ++run_) {
        ASSERT_EQ(run("'" + city + "'"), 0) << err;
        EXPECT_EQ(readFile(scratch.file("X.html")), "not a report");
        const std::string page = readFile(scratch.file("X-2.html"));
        EXPECT_NE(page.find("<meta name=\"generator\""), std::string::npos);
        EXPECT_EQ(page.find("<script>@SCRIPT@</script>"), std::string::npos);
        EXPECT_FALSE(fileExists(scratch.file("X-3.html")));
    }
    EXPECT_EQ(run("'" + scratch.file("missing.txt") + "'"), 2);
}
