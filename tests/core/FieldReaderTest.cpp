#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/FieldReader.h"

namespace {

std::vector<std::string> fieldsOf(std::string_view line,
                                  std::vector<bool>* endedAtComma = nullptr) {
    std::vector<std::string> fields;
    while (!line.empty()) {
        const Field field = readField(line, ',');
        fields.emplace_back(field.text);
        if (endedAtComma != nullptr) {
            endedAtComma->push_back(field.endedAtDelimiter);
        }
    }
    return fields;
}

std::vector<std::string> stationsOf(std::string_view field) {
    std::vector<std::string> list;
    splitStations(field, list);
    return list;
}

using Texts = std::vector<std::string>;

TEST(ReadField, TrimsOnlySpacesAroundTheField) {
    EXPECT_EQ(fieldsOf("  a  , b,c "), (Texts{"a", "b", "c"}));
    EXPECT_EQ(fieldsOf("\ta\t,b"), (Texts{"\ta\t", "b"}));
    EXPECT_EQ(fieldsOf("x y ,"), (Texts{"x y"}));
}

TEST(ReadField, TellsWhetherTheFieldEndedAtAComma) {
    std::vector<bool> endedAtComma;
    EXPECT_EQ(fieldsOf("a,,b", &endedAtComma), (Texts{"a", "", "b"}));
    EXPECT_EQ(endedAtComma, (std::vector<bool>{true, true, false}));
}

TEST(ReadField, PastTheEndGivesEmptyFields) {
    std::string_view cursor = "last";
    EXPECT_EQ(readField(cursor, ',').text, "last");
    const Field after = readField(cursor, ',');
    EXPECT_EQ(after.text, "");
    EXPECT_FALSE(after.endedAtDelimiter);
}

TEST(ReadField, AllSpacesIsEmpty) {
    std::string_view cursor = "    ,x";
    EXPECT_EQ(readField(cursor, ',').text, "");
    EXPECT_EQ(cursor, "x");
}

TEST(ReadField, CutsAt2047Bytes) {
    const std::string fits(2047, 'a');
    std::string_view cursor = fits;
    Field field = readField(cursor, ',');
    EXPECT_EQ(field.text, fits);
    EXPECT_FALSE(field.truncated);

    const std::string tooLong = "  " + std::string(2048, 'b') + "  ,next";
    cursor = tooLong;
    field = readField(cursor, ',');
    EXPECT_EQ(field.text, std::string(2047, 'b'));
    EXPECT_TRUE(field.truncated);
    EXPECT_EQ(cursor, "next");
}

TEST(SplitStations, DropsEmptyPiecesAndKeepsSpaces) {
    EXPECT_EQ(stationsOf("P-Q--R-"), (Texts{"P", "Q", "R"}));
    EXPECT_EQ(stationsOf("-P"), (Texts{"P"}));
    EXPECT_EQ(stationsOf("P - Q"), (Texts{"P ", " Q"}));
    EXPECT_EQ(stationsOf("---"), Texts{});
    EXPECT_EQ(stationsOf(""), Texts{});
}

TEST(SplitStations, AppendsToTheList) {
    std::vector<std::string> list{"old"};
    splitStations("a-b", list);
    EXPECT_EQ(list, (Texts{"old", "a", "b"}));
}

// The pieces as reading the field byte by byte finds them.
Texts piecesByBytes(std::string_view field) {
    Texts pieces(1);
    for (const char c : field) {
        if (c == '-') {
            pieces.emplace_back();
        } else {
            pieces.back() += c;
        }
    }
    pieces.erase(std::remove(pieces.begin(), pieces.end(), ""), pieces.end());
    return pieces;
}

TEST(SplitStations, FindsEveryDashWhereverItLies) {
    // Long fields are searched in blocks: a dash, two dashes or every k-th byte a dash, at
    // every place of fields shorter than, as long as and longer than one or more blocks.
    for (std::size_t length = 1; length <= 50; ++length) {
        std::string letters;
        for (std::size_t i = 0; i < length; ++i) {
            letters += static_cast<char>('a' + i % 26);
        }
        std::vector<std::string> fields;
        for (std::size_t at = 0; at < length; ++at) {
            for (std::size_t run = 1; run <= 2 && at + run <= length; ++run) {
                fields.push_back(letters);
                fields.back().replace(at, run, run, '-');
            }
        }
        for (std::size_t every = 1; every <= 5; ++every) {
            fields.push_back(letters);
            for (std::size_t at = every - 1; at < length; at += every) {
                fields.back()[at] = '-';
            }
        }
        for (const std::string& field : fields) {
            EXPECT_EQ(stationsOf(field), piecesByBytes(field)) << field;
        }
    }
}

TEST(SplitStations, ChineseNamesSplitByteByByte) {
    EXPECT_EQ(stationsOf("火车站-市政府-体育馆"), (Texts{"火车站", "市政府", "体育馆"}));
}

}  // namespace
