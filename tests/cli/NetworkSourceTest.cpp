#include <gtest/gtest.h>

#include "cli/NetworkSource.h"
#include "core/InputTextWriter.h"
#include "tests/support/TestSupport.h"

namespace {

std::string asText(const RouteDatabase& database) {
    std::vector<InputTextProblem> problems;
    return writeInputText(database, problems);
}

const char kCity[] =
    "[city]\n云溪\n[datasection]\n"
    "1路,火车站,6:00,22:00,大学,6:20,22:30,空调,火车站-广场-大学,略,票价2元\n"
    "2路,北站,6:30,20:00,工业园,7:00,20:30,普通,北站-广场-工业园,,\n";

}  // namespace

TEST(NetworkSource, TextIsReadAsThePhoneReadsItsConversion) {
    TempDir scratch;
    writeFile(scratch.file("city.txt"), kCity);
    RouteDatabase converted;
    converted.convert(scratch.file("city.txt"), scratch.file("db"));
    ASSERT_TRUE(converted.load(scratch.file("db")));

    RecordingLog log;
    RouteDatabase fromText;
    ASSERT_TRUE(loadNetwork(scratch.file("city.txt"), fromText, log));
    RouteDatabase fromFolder;
    ASSERT_TRUE(loadNetwork(scratch.file("db"), fromFolder, log));

    EXPECT_EQ(asText(fromText), asText(converted));
    EXPECT_EQ(asText(fromFolder), asText(converted));
    // The typed terminal of a one-way line is not stored: the phone shows the last up station.
    EXPECT_EQ(fromText.routes[1]->terminal.firstBus, "");
    EXPECT_EQ(listDirectory(scratch.path()).size(), 2u);
    EXPECT_TRUE(isInputTextPath(scratch.file("city.txt")));
    EXPECT_FALSE(isInputTextPath(scratch.file("db")));
}

// Also a folder the loader reads only in part: a command that wrote it back would lose what
// was dropped.
TEST(NetworkSource, WhatCannotBeReadIsAnError) {
    TempDir scratch;
    writeFile(scratch.file("broken.txt"), "[datasection]\n1路,a,6:00,22:00,b,6:00,22:00,普通,,,\n");
    writeFile(scratch.file("city.txt"), kCity);
    RouteDatabase converted;
    ASSERT_TRUE(converted.convert(scratch.file("city.txt"), scratch.file("db")));
    std::string stations = readFile(scratch.file("db/t.d"));
    stations.replace(5, 2, twoByte(16383));  // the first station of the first list
    writeFile(scratch.file("db/t.d"), stations);
    for (const std::string& path :
         {scratch.file("missing"), scratch.file("broken.txt"), scratch.file("db")}) {
        RecordingLog log;
        RouteDatabase database;
        EXPECT_FALSE(loadNetwork(path, database, log)) << path;
        EXPECT_TRUE(log.hasLevel(LogLevel::Error)) << path;
    }
}
