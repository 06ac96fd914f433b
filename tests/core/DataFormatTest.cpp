#include <gtest/gtest.h>

#include "core/DataFormat.h"
#include "tests/support/TestSupport.h"

namespace {

std::string encodedNumber(int n) {
    std::string out;
    appendTwoByteNumber(out, n);
    return out;
}

std::string encodedOffset(int p) {
    std::string out;
    appendThreeByteOffset(out, p);
    return out;
}

TEST(DataFormat, TwoByteNumbersAtTheGroupEdges) {
    EXPECT_EQ(encodedNumber(0), hexBytes("00 00"));
    EXPECT_EQ(encodedNumber(127), hexBytes("00 7F"));
    EXPECT_EQ(encodedNumber(128), hexBytes("01 00"));
    EXPECT_EQ(encodedNumber(300), hexBytes("02 2C"));
    EXPECT_EQ(encodedNumber(16383), hexBytes("7F 7F"));
}

TEST(DataFormat, ThreeByteOffsetsAtTheGroupEdges) {
    EXPECT_EQ(encodedOffset(3), hexBytes("00 00 03"));
    EXPECT_EQ(encodedOffset(16383), hexBytes("00 7F 7F"));
    EXPECT_EQ(encodedOffset(16384), hexBytes("01 00 00"));
    EXPECT_EQ(encodedOffset(20000), hexBytes("01 1C 20"));
    EXPECT_EQ(encodedOffset(2097151), hexBytes("7F 7F 7F"));
}

// The encoders agree with the hand-written golden encodings of the tests at every value.
TEST(DataFormat, EveryEncodedValueDecodesBack) {
    for (int n = 0; n <= kMaxTwoByteNumber; ++n) {
        const std::string bytes = encodedNumber(n);
        ASSERT_EQ(bytes, twoByte(n));
        ASSERT_LT(static_cast<unsigned char>(bytes[0]), 128);
        ASSERT_LT(static_cast<unsigned char>(bytes[1]), 128);
        ASSERT_EQ(decodeNumber(bytes), n);
    }
    for (int p = 0; p <= kMaxThreeByteOffset; p += 61) {
        const std::string bytes = encodedOffset(p);
        ASSERT_EQ(bytes, threeByte(p));
        ASSERT_EQ(decodeNumber(bytes), p);
    }
}

TEST(DataFormat, OffsetPatchedInPlace) {
    std::string file = "\x55\x55\x55tail";
    writeThreeByteOffsetAt(file, 0, 20000);
    EXPECT_EQ(file, hexBytes("01 1C 20") + "tail");
}

TEST(DataFormat, CountedTextIsByteLengthThenLowByteFirst) {
    std::string out;
    appendCountedText(out, u"\u7AD9");  // one Chinese character
    EXPECT_EQ(out, hexBytes("00 02 D9 7A"));

    out.clear();
    appendCountedText(out, u"");
    EXPECT_EQ(out, hexBytes("00 00"));
}

}  // namespace
