#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "core/CoreTexts.h"
#include "core/InputDecoding.h"
#include "core/MessageFormat.h"
#include "core/TextConversion.h"

namespace {

std::u16string toWide(const std::string& gbk, std::size_t capacity = 64) {
    std::u16string buffer(capacity, u'#');
    if (!AnsiToWide(gbk.c_str(), buffer.data(), capacity)) {
        return u"<too small>";
    }
    return buffer.substr(0, buffer.find(u'\0'));
}

std::string pair(int lead, int trail) {
    return std::string{static_cast<char>(lead), static_cast<char>(trail)};
}

TEST(TextConversion, CapacityCountsTheTerminator) {
    // "站A" needs two code units and the terminator.
    const std::string text = "站A";
    char16_t buffer[3] = {u'x', u'x', u'x'};
    EXPECT_FALSE(AnsiToWide(text.c_str(), buffer, 2));
    EXPECT_EQ(buffer[0], u'x');  // untouched on failure
    EXPECT_EQ(buffer[1], u'x');
    ASSERT_TRUE(AnsiToWide(text.c_str(), buffer, 3));
    EXPECT_EQ(std::u16string(buffer), u"\u7AD9A");

    char bytes[4] = {'x', 'x', 'x', 'x'};
    EXPECT_FALSE(WideToAnsi(u"\u7AD9A", bytes, 3));
    EXPECT_EQ(bytes[0], 'x');
    ASSERT_TRUE(WideToAnsi(u"\u7AD9A", bytes, 4));
    EXPECT_EQ(std::string(bytes), text);
}

TEST(TextConversion, EmptyTextNeedsOnlyTheTerminator) {
    char16_t unit = u'x';
    ASSERT_TRUE(AnsiToWide("", &unit, 1));
    EXPECT_EQ(unit, u'\0');
    EXPECT_FALSE(AnsiToWide("", &unit, 0));
}

TEST(TextConversion, RecordLimitIs511CodeUnits) {
    char16_t buffer[512];
    EXPECT_TRUE(AnsiToWide(std::string(511, 'a').c_str(), buffer, 512));
    EXPECT_FALSE(AnsiToWide(std::string(512, 'a').c_str(), buffer, 512));
    std::string chinese;
    for (int i = 0; i < 511; ++i) {
        chinese += "站";
    }
    EXPECT_TRUE(AnsiToWide(chinese.c_str(), buffer, 512));
    EXPECT_FALSE(AnsiToWide((chinese + "站").c_str(), buffer, 512));
}

TEST(TextConversion, EveryValidPairRoundTrips) {
    int pairs = 0;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail == 0x7F) {
                continue;
            }
            const std::string gbk = pair(lead, trail);
            const std::u16string wide = toWide(gbk);
            ASSERT_EQ(wide.size(), 1u) << std::hex << lead << trail;
            ASSERT_NE(wide[0], u'?') << std::hex << lead << trail;
            ASSERT_EQ(utf16ToGbk(wide), gbk) << std::hex << lead << trail;
            ++pairs;
        }
    }
    EXPECT_EQ(pairs, 126 * 190);
}

TEST(TextConversion, CodePageAdditionsToGbk) {
    EXPECT_EQ(toWide("\x80"), u"\u20AC");
    EXPECT_EQ(toWide("\xFF"), u"\uF8F5");
    EXPECT_EQ(toWide(pair(0xAA, 0xA1)), u"\uE000");  // first user-defined area
    EXPECT_EQ(toWide(pair(0xF8, 0xA1)), u"\uE234");  // second
    EXPECT_EQ(toWide(pair(0xA1, 0x40)), u"\uE4C6");  // third
    EXPECT_EQ(toWide(pair(0xFE, 0xFE)), u"\uE4C5");
    EXPECT_EQ(toWide(pair(0xA2, 0xAB)), u"\uE766");  // unassigned positions in code order
    EXPECT_EQ(toWide(pair(0xA2, 0xE3)), u"\uE76C");
    EXPECT_EQ(utf16ToGbk(u"\u20AC"), "\x80");
}

// In a fresh process the table holds only what earlier texts needed; an unassigned position
// met first must still get the number it has in code order among all of them.
TEST(TextConversion, UnassignedPositionMetFirstGetsItsCodeOrderUnit) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            // Row A2 holds the first twelve such positions, and nothing has used it yet.
            const bool right = toWide(pair(0xA4, 0xF4)) == u"\uE772" &&
                               toWide(pair(0xA2, 0xE3)) == u"\uE76C" &&
                               toWide(pair(0xB0, 0xA1)) == u"\u554A";
            std::exit(right ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST(TextConversion, InvalidBytesNeverStopTheConversion) {
    // A lead byte with an invalid second byte is one "?", both bytes consumed.
    EXPECT_EQ(toWide(pair(0x81, 0x20) + "A"), u"?A");
    EXPECT_EQ(toWide(pair(0x81, 0x7F) + "B"), u"?B");
    // A lead byte at the end of the text is one "?".
    EXPECT_EQ(toWide("A\x81"), u"A?");
    EXPECT_EQ(gbkToUtf16(std::string("\x81\0B", 3)), std::u16string(u"?\0B", 3));
    // A unit without a GBK form becomes "?".
    EXPECT_EQ(utf16ToGbk(u"a\U0001F600b"), "a??b");
}

TEST(TextConversion, ExactConversionNamesTheFirstUnitWithoutGbkForm) {
    std::string out;
    std::size_t bad = 99;
    EXPECT_TRUE(wideToAnsiExact(u"站A", out, bad));
    EXPECT_EQ(out, "站A");
    EXPECT_FALSE(wideToAnsiExact(u"站\u0E01A", out, bad));  // Thai has no GBK form
    EXPECT_EQ(bad, 1u);
}

TEST(TextConversion, Utf8BothWays) {
    std::u16string wide;
    ASSERT_TRUE(
        utf8ToWide("\xE7\xAB\x99"
                   "A",
                   wide));
    EXPECT_EQ(wide, u"\u7AD9A");
    EXPECT_EQ(wideToUtf8(wide),
              "\xE7\xAB\x99"
              "A");
    EXPECT_FALSE(utf8ToWide("A\xC3", wide));
    EXPECT_FALSE(utf8ToWide("\xFF", wide));
    // A lone surrogate has no UTF-8 form and becomes U+FFFD; the rest still comes out.
    EXPECT_EQ(wideToUtf8(u"a\xD800"
                         u"b"),
              "a\xEF\xBF\xBD"
              "b");
}

}  // namespace

// What Notepad can save, read as GBK, and the line a fault is named on.
TEST(InputDecoding, ReadsEachEncodingAndNamesTheLineOfAFault) {
    const std::string utf16le = "\xFF\xFE";
    const std::string lone = std::string("\x00\xD8", 2);
    const struct {
        const char* what;
        std::string bytes;
        std::string gbk;      // when read
        std::string problem;  // when not
    } cases[] = {
        {"ASCII", "a\nb", "a\nb", ""},
        {"GBK that is no UTF-8", "\xD4\xC6\n", "\xD4\xC6\n", ""},
        {"UTF-8 without a mark", u8"云溪\n", "云溪\n", ""},
        {"UTF-8 with a mark", u8"\uFEFF云\n", "云\n", ""},
        {"UTF-16LE", utf16le + std::string("a\0\n\0b\0", 6), "a\nb", ""},
        {"UTF-16BE", std::string("\xFE\xFF\0a", 4), "a", ""},
        {"UTF-16 cut in the last line", utf16le + std::string("a\0\n\0b\0", 6) + "x", "",
         formatMessage(coreTexts::kNotUtf16, {"2"})},
        {"UTF-16 cut after a line break", utf16le + std::string("a\0\n\0", 4) + "x", "",
         formatMessage(coreTexts::kNotUtf16, {"2"})},
        {"a lone surrogate", utf16le + std::string("a\0\n\0", 4) + lone, "",
         formatMessage(coreTexts::kNotInGbk, {"2", "D800"})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        DecodedInput decoded;
        EXPECT_EQ(decodeInputText(c.bytes, InputEncoding::Detect, decoded), c.problem.empty());
        EXPECT_EQ(decoded.problem, c.problem);
        if (c.problem.empty()) {
            EXPECT_EQ(decoded.gbk, c.gbk);
        }
    }
}
