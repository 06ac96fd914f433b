#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/InputLines.h"

namespace {

std::vector<std::string> piecesOf(const std::string& content) {
    InputLines lines(content);
    std::vector<std::string> pieces;
    std::string_view piece;
    while (lines.next(piece)) {
        pieces.emplace_back(piece);
    }
    return pieces;
}

using Pieces = std::vector<std::string>;

TEST(InputLines, CarriageReturnDroppedOnlyBeforeLineFeed) {
    EXPECT_EQ(piecesOf("a\r\nb\nc"), (Pieces{"a\n", "b\n", "c"}));
    EXPECT_EQ(piecesOf("a\rb\r\r\n"), (Pieces{"a\rb\r\n"}));
    EXPECT_EQ(piecesOf("end\r"), (Pieces{"end\r"}));
}

TEST(InputLines, CtrlZEndsTheText) {
    EXPECT_EQ(piecesOf("a\nb\x1A"
                       "c\nd\n"),
              (Pieces{"a\n", "b"}));
    EXPECT_EQ(piecesOf("\x1A"
                       "a\n"),
              Pieces{});
}

TEST(InputLines, EmptyTextHasNoLine) {
    EXPECT_EQ(piecesOf(""), Pieces{});
    EXPECT_EQ(piecesOf("\n"), Pieces{"\n"});
}

TEST(InputLines, LongLinesComeInPiecesOf4095Bytes) {
    const std::string exact(4095, 'x');
    EXPECT_EQ(piecesOf(exact + "\n"), (Pieces{exact, "\n"}));
    EXPECT_EQ(piecesOf(std::string(4094, 'x') + "\n"), (Pieces{std::string(4094, 'x') + "\n"}));
    EXPECT_EQ(piecesOf(std::string(9000, 'y') + "\nz"),
              (Pieces{std::string(4095, 'y'), std::string(4095, 'y'), std::string(810, 'y') + "\n",
                      "z"}));
}

TEST(InputLines, PiecesCountBytesAfterLineEndTranslation) {
    // 4094 bytes and a CR LF: the CR is gone, so the LF still fits into the first piece.
    const std::string line(4094, 'x');
    EXPECT_EQ(piecesOf(line + "\r\nnext"), (Pieces{line + "\n", "next"}));
}

TEST(InputLines, NulEndsThePieceAsTheCStringFunctionsSeeIt) {
    EXPECT_EQ(piecesOf(std::string("ab\0cd\nef", 8)), (Pieces{"ab", "ef"}));
}

TEST(InputLines, LineFeedRemoval) {
    EXPECT_EQ(withoutLineFeed("abc\n"), "abc");
    EXPECT_EQ(withoutLineFeed("abc"), "abc");
    EXPECT_EQ(withoutLineFeed("abc\n\n"), "abc\n");
    EXPECT_EQ(withoutLineFeed(""), "");
}

}  // namespace
