#include <gtest/gtest.h>
#include <malloc.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <map>

#include "core/MessageFormat.h"
#include "core/TextConversion.h"
#include "gtfs/GtfsTexts.h"
#include "gtfs/zip/ZipTexts.h"
#include "tests/gtfs/ZipBuilder.h"
#include "tests/support/TestSupport.h"

// Feeds built to take the importer down: each is imported by velorin-cli in a child with a
// limited address space, and must end with its error and exit status, the earlier output left
// as it was and, for the bombs, a small peak of memory.

namespace {

using Files = std::map<std::string, std::string>;

constexpr std::size_t kMiB = 1 << 20;

Files smallFeed() {
    return {
        {"agency.txt", "agency_name\nCity Bus\n"},
        // S3, which no trip visits, has a name of 512 KiB.
        {"stops.txt",
         "stop_id,stop_name\nS1,One\nS2,Two\nS3," + std::string(512 << 10, 'N') + "\n"},
        {"routes.txt", "route_id,route_short_name,route_type\nR1,1,3\n"},
        {"trips.txt", "route_id,service_id,trip_id\nR1,WK,t1\nR1,WK,t2\n"},
        {"stop_times.txt",
         "trip_id,stop_id,stop_sequence,departure_time\n"
         "t1,S1,1,06:00:00\nt1,S2,2,06:10:00\nt2,S1,1,07:00:00\nt2,S2,2,07:10:00\n"},
    };
}

std::string repeated(const std::string& unit, std::size_t bytes) {
    std::string text;
    text.reserve(bytes + unit.size());
    while (text.size() < bytes) {
        text += unit;
    }
    return text;
}

std::string zipOf(const Files& files) {
    std::vector<ZipMember> members;
    for (const auto& [name, content] : files) {
        members.push_back({name, content});
    }
    return zipArchive(members);
}

// AddressSanitizer reserves terabytes of address space for its shadow memory and adds its own
// to every allocation: a sanitized child runs without the limit, and its peak is not compared.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif

struct ChildRun {
    int status = -1;
    long peakKiB = 0;
    std::string err;
};

// Runs velorin-cli with its address space limited to 512 MiB, as an attacker's feed would meet
// a small machine, and measures the child's own peak of resident memory.
ChildRun runCli(const std::vector<std::string>& arguments, const TempDir& scratch) {
    const std::string errPath = scratch.file("err.txt");
    // The child's peak counts the pages it shares with this process, so they are few.
    malloc_trim(0);
    const pid_t child = fork();
    if (child == 0) {
        const rlimit limit{512 * kMiB, 512 * kMiB};
        if (!kSanitized) {
            setrlimit(RLIMIT_AS, &limit);
        }
        if (!std::freopen(errPath.c_str(), "w", stderr) ||
            !std::freopen("/dev/null", "w", stdout)) {
            _exit(125);
        }
        std::vector<char*> argv{const_cast<char*>(VELORIN_CLI),
                                const_cast<char*>("--output-encoding"), const_cast<char*>("utf-8")};
        for (const std::string& argument : arguments) {
            argv.push_back(const_cast<char*>(argument.c_str()));
        }
        argv.push_back(nullptr);
        execv(VELORIN_CLI, argv.data());
        _exit(126);
    }
    ChildRun run;
    int status = 0;
    rusage usage{};
    if (child > 0 && wait4(child, &status, 0, &usage) == child) {
        run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        run.peakKiB = usage.ru_maxrss;
    }
    run.err = readFile(errPath);
    return run;
}

// The file's bytes; empty for a path that is not a regular file (a pipe would block).
std::string regularFileContent(const std::string& path) {
    struct stat status;
    return stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) ? readFile(path) : "";
}

TEST(HostileFeedTest, EndsWithAClearErrorInLittleMemoryAndLeavesEarlierOutputAlone) {
    const std::string header = "trip_id,stop_id,stop_sequence,departure_time\n";
    const std::string stopsHeader = "stop_id,stop_name\n";
    const std::string tooLong = gbkToUtf8(gtfsTexts::kRecordTooLong);
    const struct Case {
        const char* what;
        const char* file;  // the feed file replaced
        // Builds the file's content, only when it is needed: the child's peak of memory counts
        // the pages it shares with this process.
        std::function<std::string()> content;
        int status;
        std::string message;
        long peakMiB;  // above a small feed's import; 0 where memory is not at stake
    } cases[] = {
        {"a line of 32 MiB", "stops.txt", [&] { return stopsHeader + std::string(32 * kMiB, 'a'); },
         1, tooLong, 8},
        {"an unclosed quote before 32 MiB", "stops.txt",
         [&] { return stopsHeader + "\"" + std::string(32 * kMiB, 'a'); }, 1, tooLong, 8},
        {"32 MiB of commas", "stops.txt", [&] { return stopsHeader + std::string(32 * kMiB, ','); },
         1, gbkToUtf8(gtfsTexts::kTooManyFields), 8},
        {"a trip id of 2 MiB", "stop_times.txt",
         [&] { return header + std::string(2 * kMiB, 't') + ",S1,1,06:00:00\n"; }, 1, tooLong, 8},
        {"one trip's row repeated over 32 MiB", "stop_times.txt",
         [&] { return header + repeated("t1,S1,1,06:00:00\n", 32 * kMiB); }, 1,
         "too_many_stop_times", 8},
        {"two trips' rows interleaved over 32 MiB", "stop_times.txt",
         [&] { return header + repeated("t1,S1,1,06:00:00\nt2,S2,1,06:00:00\n", 32 * kMiB); }, 1,
         "too_many_stop_times", 8},
        {"one stop id repeated over 16 MiB", "stops.txt",
         [&] { return stopsHeader + "S2,Two\n" + repeated("S1,One\n", 16 * kMiB); }, 0,
         "warning duplicate_id: " + std::to_string((16 * kMiB + 6) / 7 - 1), 8},
        {"a million trips", "trips.txt",
         [] {
             std::string rows = "route_id,service_id,trip_id\n";
             for (int trip = 0; trip < 1000000; ++trip) {
                 rows += "R1,WK,t" + std::to_string(trip) + "\n";
             }
             return rows;
         },
         1, "feed_too_large", 160},
        {"a stop of a long name, visited 100,000 times by one trip", "stop_times.txt",
         [&] {
             std::string rows = header + "t2,S1,1,07:00:00\nt2,S2,2,07:10:00\n";
             for (int stop = 1; stop <= 100000; ++stop) {
                 rows += "t1,S3," + std::to_string(stop) + ",06:00:00\n";
             }
             return rows;
         },
         0, "route_not_writable", 16},
        {"a column named twice", "stops.txt",
         [] { return std::string("stop_id,stop_name,stop_name\nS1,One,Eins\n"); }, 1,
         "duplicated_column", 0},
    };
    long baselineKiB = 0;
    {
        TempDir scratch;
        writeFile(scratch.file("feed.zip"), zipOf(smallFeed()));
        const ChildRun run =
            runCli({"import", scratch.file("feed.zip"), "-o", scratch.file("city.txt")}, scratch);
        ASSERT_EQ(run.status, 0) << run.err;
        baselineKiB = run.peakKiB;
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir scratch;
        Files files = smallFeed();
        files[c.file] = c.content();
        const std::string feed = scratch.file("feed.zip");
        writeFile(feed, zipOf(files));
        files.clear();
        const std::string text = scratch.file("city.txt");
        writeFile(text, "earlier");
        const ChildRun run = runCli({"import", feed, "-o", text}, scratch);
        EXPECT_EQ(run.status, c.status) << run.err.substr(0, 2000);
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err.substr(0, 2000);
        EXPECT_LT(run.err.size(), 64 * 1024u);
        if (c.status != 0) {
            EXPECT_EQ(readFile(text), "earlier");
        }
        if (c.peakMiB > 0 && !kSanitized) {
            EXPECT_LT(run.peakKiB - baselineKiB, c.peakMiB * 1024) << "peak of memory";
        }
    }
}

// What the archive, the paths and the command line can do wrong, each refused with its reason.
TEST(HostileFeedTest, RefusesDamagedArchivesOddPathsAndOutputsOverTheInput) {
    TempDir scratch;
    const std::string text = scratch.file("city.txt");
    const std::string feed = scratch.file("feed.zip");
    const std::string directory = scratch.file("feed");
    Files withInfo = smallFeed();
    withInfo["feed_info.txt"] = "feed_publisher_name,feed_start_date\nX,20260101\n";
    std::string badCrc = zipOf(withInfo);
    badCrc[badCrc.rfind("feed_info.txt") - 46 + 16] ^= 1;
    std::vector<ZipMember> many;
    for (const auto& [name, content] : smallFeed()) {
        many.push_back({name, content, 0});
    }
    for (int i = 0; i < 70000; ++i) {
        many.push_back({"extra/" + std::to_string(i), "", 0});
    }
    const struct Case {
        const char* what;
        std::function<void()> prepare;
        std::vector<std::string> arguments;
        int status;
        std::string message;
    } cases[] = {
        {"feed_info.txt with a wrong CRC-32",
         [&] { writeFile(feed, badCrc); },
         {"import", feed, "-o", text},
         1,
         gbkToUtf8(zipTexts::kZipCrcMismatch)},
        {"70,000 entries without zip64 records",
         [&] { writeFile(feed, zipArchive(many)); },
         {"import", feed, "-o", text},
         0,
         formatMessage(gbkToUtf8(gtfsTexts::kSummary), {"1", "2", "2"})},
        {"-o naming the feed",
         [&] { writeFile(feed, zipOf(smallFeed())); },
         {"import", feed, "-o", feed},
         2,
         feed},
        {"-o naming a file of the feed",
         [&] {
             mkdir(directory.c_str(), 0700);
             for (const auto& [name, content] : smallFeed()) {
                 writeFile(directory + "/" + name, content);
             }
         },
         {"import", directory, "-o", directory + "/stops.txt"},
         2,
         "stops.txt"},
        {"an unwritable --report",
         [] {},
         {"import", directory, "-o", text, "--report", scratch.file("none/report.json")},
         1,
         "report.json"},
        {"stops.txt that is a folder",
         [&] {
             std::remove((directory + "/stops.txt").c_str());
             mkdir((directory + "/stops.txt").c_str(), 0700);
         },
         {"import", directory, "-o", text},
         1,
         gbkToUtf8(gtfsTexts::kDirectoryKind)},
        {"stops.txt that is a pipe",
         [&] {
             rmdir((directory + "/stops.txt").c_str());
             mkfifo((directory + "/stops.txt").c_str(), 0600);
         },
         {"import", directory, "-o", text},
         1,
         gbkToUtf8(gtfsTexts::kPipeKind)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.prepare();
        const std::string feedBefore = regularFileContent(feed);
        const std::string stopsBefore = regularFileContent(directory + "/stops.txt");
        writeFile(text, "earlier");
        const ChildRun run = runCli(c.arguments, scratch);
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_EQ(regularFileContent(feed), feedBefore);
        EXPECT_EQ(regularFileContent(directory + "/stops.txt"), stopsBefore);
        EXPECT_EQ(readFile(text) == "earlier", c.status != 0);
    }
}

}  // namespace
