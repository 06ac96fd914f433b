// The comparison of two versions, each read from an input text or from its data folder.

#include <gtest/gtest.h>

#include <algorithm>

#include "cli/NetworkSource.h"
#include "network/NetworkDiff.h"
#include "tests/support/TestSupport.h"

namespace {

const char kCity[] =
    "[city]\n云溪\n[datasection]\n"
    "1路,火车站,6:00,22:00,大学,6:20,22:30,空调,火车站-广场-医院-大学,略,票价2元\n"
    "2路,北站,6:30,20:00,工业园,7:00,20:30,普通,北站-广场-工业园,,\n"
    "3路,西门,7:00,19:00,南湖,7:30,19:30,普通,西门-医院-南湖,南湖-医院-西门,\n"
    "3路,东门,7:00,19:00,南湖,7:30,19:30,普通,东门-老街-南湖,略,\n";

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

std::string lineToken(const LineChange& line) {
    return line.name + (line.occurrence > 1 ? "#" + std::to_string(line.occurrence) : "");
}

// One short token per reported change, so that a case lists the whole diff it expects.
std::vector<std::string> tokens(const NetworkDiff& diff) {
    std::vector<std::string> out;
    for (const HeaderChange& change : diff.header) {
        out.push_back(std::string("H:") + change.field);
    }
    for (const RenamedStation& renamed : diff.renamedStations) {
        out.push_back((renamed.merged ? "M:" : "R:") + renamed.before + ">" + renamed.after + ":" +
                      std::to_string(renamed.lines));
    }
    for (const LineChange& line : diff.lines) {
        if (line.kind != LineChangeKind::Changed) {
            out.push_back((line.kind == LineChangeKind::Added ? "+" : "-") + lineToken(line));
        }
        for (const FieldChange& field : line.fields) {
            if (field.stationEdits.empty()) {
                out.push_back("~" + lineToken(line) + ":" + field.field);
            }
            for (const StationListEdit& edit : field.stationEdits) {
                out.push_back("~" + lineToken(line) + ":" + field.field +
                              (edit.inserted ? "+" : "-") + edit.station + "(" + edit.previous +
                              "," + edit.next + ")");
            }
        }
    }
    for (const StationLinesChange& station : diff.stations) {
        for (const std::string& line : station.gained) {
            out.push_back("S:" + station.station + "+" + line);
        }
        for (const std::string& line : station.lost) {
            out.push_back("S:" + station.station + "-" + line);
        }
    }
    return out;
}

struct Edit {
    const char* what;
    const char* from;
    const char* to;
    std::vector<std::string> diff;
};

}  // namespace

TEST(NetworkDiff, EachEditGivesItsDiffFromTextsAndFoldersAlike) {
    const Edit edits[] = {
        {"nothing", "", "", {}},
        {"header", "云溪\n", "云溪市\n", {"H:city"}},
        {"rename on several lines", "广场", "中心广场", {"R:广场>中心广场:2"}},
        {"merge", "医院", "广场", {"M:医院>广场:2"}},
        {"inserted station",
         "北站-广场-工业园",
         "北站-广场-新村-工业园",
         {"~2路:up+新村(广场,工业园)", "S:新村+2路"}},
        {"removed station",
         "火车站-广场-医院-大学",
         "火车站-广场-大学",
         {"~1路:up-医院(广场,大学)", "~1路:down-医院(大学,广场)", "S:医院-1路"}},
        {"time", "1路,火车站,6:00", "1路,火车站,6:05", {"~1路:start_first"}},
        {"type", "7:30,19:30,普通,东门", "7:30,19:30,空调,东门", {"~3路#2:type"}},
        {"added line",
         "东门-老街-南湖,略,\n",
         "东门-老街-南湖,略,\n5路,甲,6:00,22:00,乙,6:00,22:00,普通,甲-北站,,\n",
         {"+5路", "S:北站+5路", "S:甲+5路"}},
        {"removed line",
         "2路,北站,6:30,20:00,工业园,7:00,20:30,普通,北站-广场-工业园,,\n",
         "",
         {"-2路", "S:北站-2路", "S:工业园-2路", "S:广场-2路"}},
        {"duplicate names, the second removed",
         "3路,东门,7:00,19:00,南湖,7:30,19:30,普通,东门-老街-南湖,略,\n",
         "",
         {"-3路#2", "S:东门-3路", "S:老街-3路"}},
    };
    TempDir scratch;
    writeFile(scratch.file("before.txt"), kCity);
    RecordingLog log;
    RouteDatabase converted;
    converted.logSink = &log;
    ASSERT_TRUE(converted.convert(scratch.file("before.txt"), scratch.file("before")));
    for (const Edit& edit : edits) {
        const std::string after = *edit.from == '\0' ? kCity : replaced(kCity, edit.from, edit.to);
        ASSERT_NE(after == kCity, *edit.from != '\0') << edit.what;
        writeFile(scratch.file("after.txt"), after);
        ASSERT_TRUE(converted.convert(scratch.file("after.txt"), scratch.file("after")));
        for (const char* beforeSource : {"before.txt", "before"}) {
            for (const char* afterSource : {"after.txt", "after"}) {
                RouteDatabase a;
                RouteDatabase b;
                ASSERT_TRUE(loadNetwork(scratch.file(beforeSource), a, log));
                ASSERT_TRUE(loadNetwork(scratch.file(afterSource), b, log));
                const NetworkDiff diff = diffNetworks(a, b);
                EXPECT_EQ(tokens(diff), edit.diff)
                    << edit.what << ": " << beforeSource << " / " << afterSource;
                EXPECT_EQ(diff.identical(), edit.diff.empty()) << edit.what;
            }
        }
    }
}
