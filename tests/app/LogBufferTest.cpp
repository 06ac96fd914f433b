// The log box's text: the layout of its entries and what it drops when it is full.
#include <gtest/gtest.h>

#include <string>

#include "app/LogBuffer.h"
#include "core/TextConversion.h"

namespace {

// True when `text` is whole GBK characters, that is, it does not end inside a character.
bool endsOnCharacterBoundary(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size()) {
        i += isGbkLeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1;
    }
    return i == text.size();
}

TEST(LogBuffer, EntriesStartOnANewLineAfterAnEmptyLine) {
    std::string text;
    logBuffer::append(text, logBuffer::entryFor(LogLevel::Info, "A"));
    logBuffer::append(text, logBuffer::entryFor(LogLevel::Error, "B"));
    EXPECT_EQ(text, "\r\n[信息]:\tA\r\n\r\n[错误]:\tB\r\n");
}

TEST(LogBuffer, EachLevelHasItsPrefixAndAnUnknownLevelNone) {
    std::string text;
    logBuffer::append(text, logBuffer::entryFor(LogLevel::Info, "i"));
    logBuffer::append(text, logBuffer::entryFor(LogLevel::Warning, "w"));
    logBuffer::append(text, logBuffer::entryFor(LogLevel::Error, "e"));
    logBuffer::append(text, logBuffer::entryFor(static_cast<LogLevel>(7), "x"));
    EXPECT_EQ(text, "\r\n[信息]:\ti\r\n\r\n[警告]:\tw\r\n\r\n[错误]:\te\r\nx\r\n");
}

TEST(LogBuffer, FullTextDropsTheOldestWholeEntriesAndKeepsTheNewest) {
    std::string text;
    const std::size_t capacity = 200;
    for (int i = 0; i < 20; ++i) {
        logBuffer::append(
            text, logBuffer::entryFor(LogLevel::Warning, ("消息" + std::to_string(i)).c_str()),
            capacity);
        ASSERT_LE(text.size(), capacity);
        // Every cut falls at the start of an entry.
        ASSERT_EQ(text.rfind("\r\n[警告]:\t", 0), 0u) << text;
    }
    const std::string newest = "\r\n[警告]:\t消息19\r\n";
    EXPECT_EQ(text.substr(text.size() - newest.size()), newest);
    EXPECT_EQ(text.find("消息0\r\n"), std::string::npos);
    // No more is dropped than needed: one more old entry would not have fitted.
    EXPECT_GT(text.size() + std::string("\r\n[警告]:\t消息10\r\n").size(), capacity);
}

TEST(LogBuffer, EntryExactlyFillingTheCapacityIsKeptWhole) {
    std::string text = logBuffer::entryFor(LogLevel::Info, "old");
    const std::string prefix = "\r\n[信息]:\t";
    const std::string entry = prefix + std::string(100 - prefix.size() - 2, 'a') + "\r\n";
    ASSERT_EQ(entry.size(), 100u);
    logBuffer::append(text, entry, 100);
    EXPECT_EQ(text, entry);
}

TEST(LogBuffer, OldTextWithoutEntriesIsCutBetweenCharacters) {
    // One long Chinese message of odd-offset characters: the cut must not split a character.
    std::string text = "x";
    for (int i = 0; i < 60; ++i) {
        text += "汉";
    }
    logBuffer::append(text, logBuffer::entryFor(LogLevel::Info, "new"), 100);
    EXPECT_LE(text.size(), 100u);
    const std::string newest = logBuffer::entryFor(LogLevel::Info, "new");
    EXPECT_EQ(text.substr(text.size() - newest.size()), newest);
    const std::string kept = text.substr(0, text.size() - newest.size());
    ASSERT_FALSE(kept.empty());
    EXPECT_EQ(kept.size() % 2, 0u);
    EXPECT_EQ(kept.find("汉"), 0u);
}

TEST(LogBuffer, MessageLargerThanTheBoxKeepsItsBeginningOnly) {
    std::string text = logBuffer::entryFor(LogLevel::Info, "old");
    std::string message;
    for (int i = 0; i < 100; ++i) {
        message += "站";
    }
    logBuffer::append(text, logBuffer::entryFor(LogLevel::Error, message.c_str()), 101);
    EXPECT_LE(text.size(), 101u);
    EXPECT_EQ(text.rfind("\r\n[错误]:\t站站", 0), 0u);
    EXPECT_TRUE(endsOnCharacterBoundary(text));
    EXPECT_EQ(text.find("old"), std::string::npos);
}

TEST(LogBuffer, RealCapacityHoldsTheLatestOfManyMessages) {
    std::string text;
    for (int i = 0; i < 5000; ++i) {
        logBuffer::append(
            text, logBuffer::entryFor(LogLevel::Warning,
                                      ("上行和下行起始站点不同 " + std::to_string(i)).c_str()));
    }
    EXPECT_LE(text.size(), logBuffer::kCapacity);
    EXPECT_GT(text.size(), logBuffer::kCapacity - 100);
    EXPECT_NE(text.find("不同 4999\r\n"), std::string::npos);
    EXPECT_EQ(text.rfind("\r\n[警告]:\t", 0), 0u);
}

}  // namespace
