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

TEST(ByteReaderTest, ReadsLittleEndianNumbersOfEachWidth) {
    const std::string bytes("\x34\x12\x78\x56\x34\xF2\x08\x07\x06\x05\x04\x03\x02\x81", 14);
    ByteReader in(bytes);
    EXPECT_EQ(in.littleEndian16(), 0x1234u);
    EXPECT_EQ(in.littleEndian32(), 0xF2345678u);
    EXPECT_EQ(in.littleEndian64(), 0x8102030405060708u);
    EXPECT_TRUE(in.ok());
    EXPECT_EQ(in.remaining(), 0u);

    // A number cut short reads as zero, even where its low bytes are there.
    for (std::size_t width : {2u, 4u, 8u}) {
        ByteReader cut(std::string_view(bytes).substr(0, width - 1));
        const std::uint64_t value = width == 2   ? cut.littleEndian16()
                                    : width == 4 ? cut.littleEndian32()
                                                 : cut.littleEndian64();
        EXPECT_EQ(value, 0u) << width;
        EXPECT_FALSE(cut.ok()) << width;
    }
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
