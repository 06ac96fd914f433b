#include <gtest/gtest.h>

#include <string>

#include "core/ShortText.h"

namespace {

// Every length the word-wise reads treat differently, with a difference at every position:
// a word that is read short or not at all lets two different names pass for one.
TEST(ShortText, EveryByteOfEveryLengthCounts) {
    for (std::size_t length = 0; length <= 24; ++length) {
        std::string text;
        for (std::size_t i = 0; i < length; ++i) {
            text.push_back(static_cast<char>(0xB0 + i));
        }
        const std::string copy = text;  // the same bytes at another address
        EXPECT_TRUE(shortText::same(text, copy)) << length;
        EXPECT_EQ(shortText::hash(text), shortText::hash(copy)) << length;
        for (std::size_t i = 0; i < length; ++i) {
            std::string changed = text;
            changed[i] = 'x';
            EXPECT_FALSE(shortText::same(text, changed)) << length << " at " << i;
        }
        EXPECT_FALSE(shortText::same(text, text + "x")) << length;
    }
}

}  // namespace
