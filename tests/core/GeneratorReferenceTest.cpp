#include <gtest/gtest.h>

#include "core/RouteDatabase.h"
#include "tests/core/LiteralGenerator.h"
#include "tests/support/RandomDatabase.h"
#include "tests/support/TestSupport.h"

namespace {

TEST(GeneratorReference, SameBytesAsTheDirectAlgorithmOnRandomDatabases) {
    TempDir dir;
    RecordingLog log;
    for (std::uint32_t seed = 1; seed <= 300; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        RandomDatabase random(seed);
        RouteDatabase db;
        db.logSink = &log;
        db.routes = random.routes(seed % 3 == 0 ? 60 : 12, seed % 5 == 0 ? 40 : 8);
        db.generate(dir.path());
        const DataFileSet written = DataFileSet::readFrom(dir.path());
        const LiteralFiles expected = literalGenerate(db.routes);
        ASSERT_EQ(written.stationIndex, expected.stationIndex);
        ASSERT_EQ(written.stationTrips, expected.stationTrips);
        ASSERT_EQ(written.tripIndex, expected.tripIndex);
        ASSERT_EQ(written.tripStations, expected.tripStations);
    }
}

}  // namespace
