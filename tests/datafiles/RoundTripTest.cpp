// Random valid databases written, loaded and written again give the same data files, and the
// loaded routes equal the written ones in everything the files hold.

#include <gtest/gtest.h>

#include "core/DataFiles.h"
#include "core/RouteDatabase.h"
#include "tests/support/LoaderTestSupport.h"
#include "tests/support/RoundTripDatabase.h"

namespace {

constexpr int kDatabases = 150;
const char* const kBinaryFiles[] = {"s.i", "s.d", "t.i", "t.d"};

void expectSameRoute(const Route& written, const Route& loaded, const std::string& where) {
    EXPECT_EQ(loaded.name, written.name) << where;
    EXPECT_EQ(loaded.start.firstBus, written.start.firstBus) << where;
    EXPECT_EQ(loaded.start.lastBus, written.start.lastBus) << where;
    EXPECT_EQ(loaded.terminal.firstBus, written.terminal.firstBus) << where;
    EXPECT_EQ(loaded.terminal.lastBus, written.terminal.lastBus) << where;
    EXPECT_EQ(loaded.lineType, written.lineType) << where;
    EXPECT_EQ(loaded.extraInfo, written.extraInfo) << where;
    EXPECT_EQ(loaded.upStations, written.upStations) << where;
    EXPECT_EQ(loaded.downStations, written.downStations) << where;
}

TEST(RoundTripTest, GenerateLoadGenerateGivesTheSameFiles) {
    TempDir scratch;
    for (int seed = 0; seed < kDatabases; ++seed) {
        const std::string first = makeDirectory(scratch, "first-" + std::to_string(seed));
        const std::string second = makeDirectory(scratch, "second-" + std::to_string(seed));
        RouteDatabase written;
        fillRoundTripDatabase(written, static_cast<std::uint32_t>(seed));
        written.generate(first);

        RouteDatabase loaded;
        RecordingLog log;
        loaded.logSink = &log;
        // The loader refuses a database without stations, as one without routes is.
        if (written.routes.empty()) {
            EXPECT_FALSE(loaded.load(first)) << "seed " << seed;
            continue;
        }
        ASSERT_TRUE(loaded.load(first)) << "seed " << seed;
        EXPECT_EQ(static_cast<int>(messagesAt(log, LogLevel::Error).size()) +
                      static_cast<int>(messagesAt(log, LogLevel::Warning).size()),
                  0)
            << "seed " << seed;
        EXPECT_EQ(loaded.header.city, written.header.city);
        EXPECT_EQ(loaded.header.memo, written.header.memo);
        ASSERT_EQ(loaded.routes.size(), written.routes.size()) << "seed " << seed;
        for (std::size_t i = 0; i < written.routes.size(); ++i) {
            expectSameRoute(*written.routes[i], *loaded.routes[i],
                            "seed " + std::to_string(seed) + " route " + std::to_string(i));
        }

        loaded.generate(second);
        for (const char* name : kBinaryFiles) {
            EXPECT_EQ(readFile(dataFiles::pathIn(second, name)),
                      readFile(dataFiles::pathIn(first, name)))
                << "seed " << seed << " file " << name;
        }
    }
}

}  // namespace
