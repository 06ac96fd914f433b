#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gtfs/IdIndex.h"

namespace {

// Ids of every length around the hash's eight-byte words, and ids that differ only in their
// last byte, numbered in order across the table's growth; a second add is refused.
TEST(IdIndexTest, NumbersIdsInOrderAndFindsEachAcrossGrowth) {
    std::vector<std::string> ids{""};
    for (int i = 0; i < 5000; ++i) {
        ids.push_back(std::string(static_cast<std::size_t>(i % 19), 'k') + std::to_string(i));
    }
    IdIndex index;
    for (const std::string& id : ids) {
        ASSERT_TRUE(index.add(id)) << id;
    }
    ASSERT_EQ(index.size(), ids.size());
    for (std::uint32_t number = 0; number < ids.size(); ++number) {
        EXPECT_FALSE(index.add(ids[number]));
        EXPECT_EQ(index.find(ids[number]), number);
        EXPECT_EQ(index.id(number), ids[number]);
        EXPECT_EQ(index.find(ids[number] + "x"), IdIndex::kMissing);
    }
    EXPECT_EQ(index.size(), ids.size());
}

}  // namespace
