#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "network/Lint.h"

namespace {

constexpr char kHeader[] = "[city]\n测试市\n[datasection]\n";
constexpr std::size_t kFirstDataLine = 4;

std::string withHeader(const std::string& text) {
    return text.front() == '[' ? text : kHeader + text;
}

std::vector<LintNotice> ofKind(const std::vector<LintNotice>& notices, const std::string& kind) {
    std::vector<LintNotice> found;
    std::copy_if(notices.begin(), notices.end(), std::back_inserter(found),
                 [&kind](const LintNotice& n) { return n.kind == kind; });
    return found;
}

bool anyWarning(const std::vector<LintNotice>& notices) {
    return std::any_of(notices.begin(), notices.end(),
                       [](const LintNotice& n) { return n.severity != LintSeverity::Info; });
}

}  // namespace

// Each kind with a planted slip, where it must be found, and sound data of the same shape that
// must stay quiet. Data lines without a header start at kFirstDataLine.
TEST(Lint, EachKindFindsItsSlipAndLeavesSoundDataAlone) {
    struct Case {
        const char* kind;
        LintSeverity severity;
        const char* planted;
        std::size_t line;
        const char* field;
        std::size_t count;
        const char* sound;
    };
    const Case cases[] = {
        {"duplicate_line_name", LintSeverity::Warning,
         "1路,A,,,C,,,T,A-B-C,略,\n1路,D,,,F,,,T,D-E-F,略,\n", kFirstDataLine + 1, "name", 1,
         "1路,A,,,C,,,T,A-B-C,略,\n1路区间,D,,,F,,,T,D-E-F,略,\n"},
        {"malformed_time", LintSeverity::Warning, "1路,A,ab,24:60,C,6：00,６:00,T,A-B-C,略,\n",
         kFirstDataLine, "start_first", 4,
         "1路,A,5:30,25:00,C,05:30,47:59,T,A-B-C,略,\n2路,D,,,F,,,T,D-E-F,略,\n"},
        {"repeated_station", LintSeverity::Warning, "1路,A,,,D,,,T,A-火车站-B-火车站-D,D-C-A,\n",
         kFirstDataLine, "up", 1, "1路,A,,,A,,,T,A-B-C-A,略,\n2路,A,,,C,,,T,A-B-C,C-B-A,\n"},
        {"empty_station", LintSeverity::Warning, "1路,北站,,,西站,,,T,北站-新城区--西站,略,\n",
         kFirstDataLine, "up", 1, "1路,北站,,,西站,,,T,北站-新城区-西站,略,\n"},
        {"empty_station", LintSeverity::Warning, "1路,A,,,C,,,T,A-B-C,C-B-A-,\n", kFirstDataLine,
         "down", 1, "1路,A,,,C,,,T,A-B-C,无,\n"},
        {"end_mismatch", LintSeverity::Warning, "1路,A,,,北京路,,,T,A-B-东湖,略,\n", kFirstDataLine,
         "terminal", 1, "1路,A,,,东湖,,,T,A-B-东湖,略,\n2路,,,,,,,T,A-B,略,\n"},
        {"similar_station_names", LintSeverity::Warning,
         "1路,,,,,,,T,人民广场（东）-B,略,\n2路,,,,,,,T,人民广场(东)-C,略,\n"
         "3路,,,,,,,T,D-人民 广场(东),略,\n4路,,,,,,,T,E-人民广场(东),略,\n",
         kFirstDataLine + 2, "up", 1,
         "1路,,,,,,,T,北站-B,略,\n2路,,,,,,,T,火车北站-B,略,\n3路,,,,,,,T,人民广场(东)-C,略,\n"},
        {"field_count", LintSeverity::Warning, "5路，火车站,,,C,,,T,火车站-B-C,略,\n",
         kFirstDataLine, "extra", 1, "5路,火车站,,,C,,,T,火车站-B-C,略,\n"},
        {"field_count", LintSeverity::Warning, "5路,A,,,C,,,T,A-B-C,略,x,y\n", kFirstDataLine,
         "extra", 1, "5路,A,,,C,,,T,A-B-C,略,x，y\n"},
        {"header_marker", LintSeverity::Warning, "[City]\n成都\n[datasection]\n", 1, "city", 1,
         "[city]\n成都\n[date]\n2009\n[datasection]\n"},
        {"header_marker", LintSeverity::Warning, "[city]\n[date]\n2009\n[datasection]\n", 1, "city",
         1, "[city]\n成都\n说明文字\n[memo]\n数据\n[datasection]\n"},
        {"header_marker", LintSeverity::Warning, "[city]\n成都\n[data]\n1路,A,,,C,,,T,A-C,略,\n", 3,
         "", 1, "[author]\n张三\n[datasection]\n1路,A,,,C,,,T,A-C,略,\n"},
        {"last_before_first", LintSeverity::Info, "1路,A,22:00,6:00,C,6:00,22:00,T,A-B-C,略,\n",
         kFirstDataLine, "start_last", 1, "1路,A,6:00,22:00,C,23:00,25:30,T,A-B-C,略,\n"},
        {"one_way_terminal_times", LintSeverity::Info,
         "1路,A,6:00,22:00,C,6:30,22:30,T,A-B-C,无,\n", kFirstDataLine, "terminal_first", 1,
         "1路,A,6:00,22:00,C,,,T,A-B-C,,\n"},
        {"close_station_names", LintSeverity::Info,
         "1路,,,,,,,T,A-人民路东-B,略,\n2路,,,,,,,T,C-人民路-B,略,\n", kFirstDataLine + 1, "up", 1,
         "1路,,,,,,,T,人民路东-人民路-B,略,\n2路,,,,,,,T,北站-B,略,\n3路,,,,,,,T,火车北站-B,略,\n"},
        {"close_station_names", LintSeverity::Info,
         "1路,,,,,,,T,A-文化宫站-B,略,\n2路,,,,,,,T,A-文化官站,略,\n", kFirstDataLine + 1, "up", 1,
         "1路,,,,,,,T,A-文化宫站-B,略,\n2路,,,,,,,T,Z-文化官站,略,\n"},
        {"down_ends_differ", LintSeverity::Info, "1路,A,,,C,,,T,A-B-C,C-B-D,\n", kFirstDataLine,
         "down", 1, "1路,A,,,C,,,T,A-B-C,C-E-A,\n"},
        {"no_up_stations", LintSeverity::Error, "1路,A,,,C,,,T,-,略,\n2路,A,,,C,,,T,A-C,略,\n",
         kFirstDataLine, "up", 1, "1路,A,,,A,,,T,A,略,\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.kind) + ": " + c.planted);
        const auto planted = ofKind(lintInputText("in.txt", withHeader(c.planted)), c.kind);
        ASSERT_EQ(planted.size(), c.count);
        EXPECT_EQ(planted[0].severity, c.severity);
        EXPECT_EQ(planted[0].file, "in.txt");
        EXPECT_EQ(planted[0].line, c.line);
        EXPECT_EQ(planted[0].field, c.field);
        EXPECT_FALSE(planted[0].detail.empty());

        SCOPED_TRACE(c.sound);
        const auto sound = lintInputText("in.txt", withHeader(c.sound));
        EXPECT_TRUE(ofKind(sound, c.kind).empty());
        EXPECT_FALSE(anyWarning(sound));
    }
}
