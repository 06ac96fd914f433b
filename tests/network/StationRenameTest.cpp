#include <gtest/gtest.h>

#include "core/RouteDatabase.h"
#include "network/StationRename.h"
#include "tests/support/TestSupport.h"

namespace {

// "{}" marks where the station stands as a station; everywhere else its name is other text:
// a header, a line name, extra information, a longer name, a name with a space or a CR, text
// after Ctrl-Z.
const char kTemplate[] =
    "云溪 人民广场\r\n[city]\r\n人民广场\r\n[datasection]\r\n"
    "1路, {} ,6:00,22:00,人民广场东,6:20,22:30,空调,{}-人民广场东-大学,略,人民广场\r\n"
    "人民广场,北站,6:30,20:00,{},7:00,20:30,普通,北站--{}- 人民广场,{}-北站\n"
    "3路,x,1,2,y,3,4,t,a-b,无,\r\n"
    "4路,x,1,2,y,3,4,t,a-{}-b,人民广场\r\r\n"
    "\x1A"
    "5路,x,1,2,y,3,4,t,人民广场-b\r\n";

std::string filled(const std::string& name) {
    std::string text = kTemplate;
    for (std::size_t at = text.find("{}"); at != std::string::npos; at = text.find("{}", at)) {
        text.replace(at, 2, name);
    }
    return text;
}

}  // namespace

TEST(StationRename, TextChangesOnlyTheStationAndMatchesRenamedRoutes) {
    for (const char* newName : {"人民广场（东）", "北站", "x"}) {
        std::string renamed;
        const StationRename rename =
            renameStationInText(filled("人民广场"), "人民广场", newName, renamed);
        EXPECT_EQ(renamed, filled(newName)) << newName;
        ASSERT_EQ(rename.lines.size(), 3u);
        EXPECT_EQ(rename.lines[0].lineNumber, 5u);
        EXPECT_EQ(rename.lines[1].lineNumber, 6u);
        EXPECT_EQ(rename.lines[1].name, "人民广场");
        const std::vector<std::string> fields(rename.lines[1].fields.begin(),
                                              rename.lines[1].fields.end());
        EXPECT_EQ(fields, (std::vector<std::string>{"terminal", "up", "down"}));
        EXPECT_EQ(rename.lines[2].lineNumber, 8u);

        RouteDatabase original;
        RouteDatabase fromText;
        ASSERT_TRUE(original.parseText("", filled("人民广场")));
        ASSERT_TRUE(fromText.parseText("", renamed));
        const StationRename inRoutes = renameStationInRoutes(original, "人民广场", newName);
        EXPECT_EQ(inRoutes.lines.size(), rename.lines.size());
        EXPECT_EQ(inRoutes.merged, rename.merged);
        EXPECT_EQ(rename.merged, std::string(newName) == "北站") << newName;
        ASSERT_EQ(original.routes.size(), fromText.routes.size());
        for (std::size_t i = 0; i < original.routes.size(); ++i) {
            const Route& a = *original.routes[i];
            const Route& b = *fromText.routes[i];
            EXPECT_EQ(a.upStations, b.upStations) << i;
            EXPECT_EQ(a.downStations, b.downStations) << i;
            EXPECT_EQ(a.start.station, b.start.station) << i;
            EXPECT_EQ(a.terminal.station, b.terminal.station) << i;
        }
    }
}

TEST(StationRename, NamesTheInputCannotHoldAreRefused) {
    for (const char* bad : {"", "a,b", "a-b", " a", "a ", "a\nb", "略", "无", "\x81"}) {
        EXPECT_FALSE(stationNameProblem(bad).empty()) << bad;
    }
    for (const char* good : {"人民广场（东）", "K1站", "a b", "北站－东"}) {
        EXPECT_EQ(stationNameProblem(good), "") << good;
    }
}
