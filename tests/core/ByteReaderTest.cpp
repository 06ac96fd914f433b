#include <gtest/gtest.h>

#include <string>

#include "core/ByteReader.h"

namespace {

TEST(ByteReaderTest, DecodesBothEncodingsUnsignedAndSigned) {
    const std::string bytes("\x02\x2C\x01\x1C\x20\x7F\x7F\x7F\x01\x80\x00\x80\x7F\xFF\x00", 15);
    ByteReader in(bytes);
    EXPECT_EQ(decodeNumber(in.bytes(2)), 300);
    EXPECT_EQ(decodeNumber(in.bytes(3)), 20000);
    EXPECT_EQ(decodeNumber(in.bytes(3)), 2097151);
    ByteReader signedIn(bytes, 8);
    EXPECT_EQ(signedIn.signedTwoByteNumber(), 0);     // 1 * 128 - 128
    EXPECT_EQ(signedIn.signedTwoByteNumber(), -128);  // 0 * 128 - 128
    EXPECT_EQ(signedIn.signedThreeByteOffset(), 127 * 16384 - 128);
    ByteReader unsignedIn(bytes, 8);
    EXPECT_EQ(decodeNumber(unsignedIn.bytes(2)), 256);
    EXPECT_TRUE(signedIn.ok());
    EXPECT_EQ(signedIn.remaining(), 0u);
}

TEST(ByteReaderTest, AReadPastTheEndYieldsZeroAndStaysBad) {
    const std::string bytes("\x01\x02\x03", 3);
    ByteReader in(bytes);
    EXPECT_EQ(in.signedTwoByteNumber(), 130);
    EXPECT_EQ(in.signedTwoByteNumber(), 0);
    EXPECT_FALSE(in.ok());
    // Nothing after the failure reads, not even what would still fit.
    EXPECT_TRUE(in.bytes(1).empty());
    EXPECT_TRUE(in.bytes(0).empty());
    EXPECT_FALSE(in.ok());
}

TEST(ByteReaderTest, EveryReadChecksItsWholeWidth) {
    const std::string bytes("\x05\x06", 2);
    ByteReader three(bytes);
    EXPECT_EQ(three.signedThreeByteOffset(), 0);
    EXPECT_FALSE(three.ok());

    ByteReader many(bytes);
    EXPECT_TRUE(many.bytes(3).empty());
    EXPECT_FALSE(many.ok());

    ByteReader exact(bytes);
    EXPECT_EQ(exact.bytes(2), bytes);
    EXPECT_TRUE(exact.ok());
}

TEST(ByteReaderTest, SeekingPastTheEndMarksTheReaderBad) {
    const std::string bytes("\x05\x06", 2);
    ByteReader atEnd(bytes, 2);
    EXPECT_TRUE(atEnd.ok());
    EXPECT_EQ(atEnd.remaining(), 0u);
    ByteReader beyond(bytes, 3);
    EXPECT_FALSE(beyond.ok());
    EXPECT_TRUE(beyond.bytes(1).empty());
}

}  // namespace
