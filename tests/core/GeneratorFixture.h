#pragma once

#include <gtest/gtest.h>

#include <string>

#include "core/RouteDatabase.h"
#include "tests/support/TestSupport.h"

// A database whose messages are recorded, and a fresh directory to generate into.
class GeneratorFixture : public ::testing::Test {
protected:
    GeneratorFixture() { db.logSink = &log; }

    Route& add(Route route) {
        db.routes.push_back(std::make_unique<Route>(std::move(route)));
        return *db.routes.back();
    }

    DataFileSet generate() {
        db.generate(dir.path());
        return DataFileSet::readFrom(dir.path());
    }

    TempDir dir;
    RouteDatabase db;
    RecordingLog log;
};
