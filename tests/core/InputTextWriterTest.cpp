#include <gtest/gtest.h>

#include "core/CoreTexts.h"
#include "core/InputTextWriter.h"

namespace {

using Names = std::vector<std::string>;

Route line(const std::string& name, Names up, Names down) {
    Route route;
    route.name = name;
    route.start = {"", "6:00", "22:00"};
    route.terminal = {"", down.empty() ? "" : "6:30", down.empty() ? "" : "22:30"};
    route.lineType = "空调";
    route.extraInfo = "票价1元";
    route.upStations = std::move(up);
    route.downStations = std::move(down);
    return route;
}

class InputTextWriterTest : public ::testing::Test {
protected:
    void add(Route route) { database.routes.push_back(std::make_unique<Route>(std::move(route))); }

    std::string write() {
        problems.clear();
        return writeInputText(database, problems);
    }

    // The problems found, as "line: what".
    Names found() const {
        Names out;
        for (const InputTextProblem& p : problems) {
            out.push_back(std::to_string(p.line) + ": " + p.what);
        }
        return out;
    }

    RouteDatabase database;
    std::vector<InputTextProblem> problems;
};

TEST_F(InputTextWriterTest, WritesTheHeaderAndOneLinePerRouteInTheThreeDownForms) {
    database.header = {"某市", "2009年", "备注", "张三"};
    add(line("1路", {"东站", "中街", "西站"}, {"西站", "中街", "东站"}));
    add(line("2路", {"北门", "南门"}, {}));
    add(line("3路", {"P", "Q", "R"}, {"R", "Q", "S"}));
    add(line("4路", {"P"}, {"P"}));
    database.routes.push_back(nullptr);
    EXPECT_EQ(write(),
              "[city]\n某市\n[date]\n2009年\n[author]\n张三\n[memo]\n备注\n[datasection]\n"
              "1路,东站,6:00,22:00,西站,6:30,22:30,空调,东站-中街-西站,略,票价1元\n"
              "2路,北门,6:00,22:00,南门,,,空调,北门-南门,无,票价1元\n"
              "3路,P,6:00,22:00,R,6:30,22:30,空调,P-Q-R,R-Q-S,票价1元\n"
              "4路,P,6:00,22:00,P,6:30,22:30,空调,P,略,票价1元\n");
    EXPECT_TRUE(problems.empty());
}

TEST_F(InputTextWriterTest, ARouteWithItsOwnEndStationsKeepsThem) {
    Route route = line("5路", {"P", "Q"}, {"R", "P"});
    route.terminal.station = "R";
    add(route);
    EXPECT_NE(write().find("\n5路,P,6:00,22:00,R,6:30,22:30,"), std::string::npos);
}

TEST_F(InputTextWriterTest, APalindromeDownListInTheSameOrderIsStillOmitted) {
    add(line("5", {"P", "Q", "P"}, {"P", "Q", "P"}));
    EXPECT_NE(write().find(",P-Q-P,略,"), std::string::npos);
    EXPECT_TRUE(problems.empty());
}

TEST_F(InputTextWriterTest, NamesEveryLineTheFormatCannotSay) {
    database.header.memo = "第一行\n第二行";
    database.header.date = "[x]";
    add(line("ok", {"P", "Q"}, {}));            // line 11, after the two lines of the memo
    add(line("same", {"P", "Q"}, {"P", "Q"}));  // 12
    add(line("dash", {"P-1", "Q"}, {}));        // 13
    add(line("comma", {"P", "Q,1"}, {}));       // 14
    add(line(" space", {" P", "Q"}, {}));       // 15
    add(line("empty", {}, {}));                 // 16
    add(line("word", {"P"}, {"略"}));           // 17
    add(line("none", {"P", "Q"}, {"无"}));      // 18
    Route breaks = line("breaks", {"P"}, {});
    breaks.extraInfo = "a\rb";
    add(breaks);  // 19
    // 20: the station is the first and the last too, so the line is over 4095 bytes.
    add(line("long", {std::string(2048, 'x')}, {}));
    Names longList(500, "站名站名");
    add(line("longline", longList, {"Q"}));  // 21
    add(line("emptyname", {"P", ""}, {}));   // 22

    const std::string text = write();
    EXPECT_EQ(found(), (Names{"4: " + std::string(coreTexts::kInputTextHeaderValue),
                              "8: " + std::string(coreTexts::kInputTextHeaderValue),
                              "12: " + std::string(coreTexts::kInputTextDownSameOrder),
                              "13: " + std::string(coreTexts::kInputTextDash),
                              "14: " + std::string(coreTexts::kInputTextComma),
                              "15: " + std::string(coreTexts::kInputTextEdgeSpaces),
                              "16: " + std::string(coreTexts::kInputTextNoUpStations),
                              "17: " + std::string(coreTexts::kInputTextDownKeyword),
                              "18: " + std::string(coreTexts::kInputTextDownKeyword),
                              "19: " + std::string(coreTexts::kInputTextLineBreak),
                              "20: " + std::string(coreTexts::kInputTextFieldTooLong),
                              "20: " + std::string(coreTexts::kInputTextLineTooLong),
                              "21: " + std::string(coreTexts::kInputTextFieldTooLong),
                              "21: " + std::string(coreTexts::kInputTextLineTooLong),
                              "22: " + std::string(coreTexts::kInputTextEmptyStation)}));
    EXPECT_EQ(problems[2].route, "same");
    // The lines are written as they stand all the same.
    EXPECT_NE(text.find("same,P,6:00,22:00,Q,6:30,22:30,空调,P-Q,P-Q,票价1元\n"),
              std::string::npos);
}

}  // namespace
