#include <gtest/gtest.h>

#include <filesystem>

#include "cli/SameFile.h"
#include "tests/support/TestSupport.h"

namespace {

// The file system's identity decides, not the spelling: the same file through a dot, a doubled
// separator or the other separator, and never two files of the same content.
TEST(SameFileTest, ComparesFilesNotSpellings) {
    TempDir scratch;
    const std::string feed = scratch.file("feed.zip");
    writeFile(feed, "PK");
    writeFile(scratch.file("copy.zip"), "PK");
    std::filesystem::create_directory(scratch.file("folder"));
    const struct {
        std::string a;
        std::string b;
        bool same;
    } cases[] = {
        {feed, feed, true},
        {feed, scratch.path() + "/./feed.zip", true},
        {feed, scratch.path() + "//feed.zip", true},
        {feed, scratch.file("folder/../feed.zip"), true},
        {scratch.file("folder"), scratch.path() + "/./folder", true},
        {feed, scratch.file("copy.zip"), false},
        {feed, scratch.file("folder"), false},
        {feed, scratch.file("missing.zip"), false},
        {scratch.file("missing.zip"), scratch.path() + "/./missing.zip", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.a + " | " + c.b);
        EXPECT_EQ(sameFile(c.a, c.b), c.same);
        EXPECT_EQ(sameFile(c.b, c.a), c.same);
    }
}

}  // namespace
