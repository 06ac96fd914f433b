// Writes the seed corpora of the fuzzers: random databases and the given input texts, each as
// the five data files in one input for the loader and check, and as input texts (the random
// databases written as the dump command writes them) for the parser.
//   velorin_fuzz_seeds FILES_DIR PARSE_DIR COUNT [INPUT.txt...]

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/FileSystem.h"
#include "core/InputTextWriter.h"
#include "fuzz/FuzzInput.h"
#include "fuzz/GeneratedFiles.h"
#include "tests/support/RoundTripDatabase.h"
#include "tests/support/TestSupport.h"

namespace {

class SilentLog : public LogSink {
public:
    void log(LogLevel /*level*/, const char* /*message*/) override {}
};

void writeFilesSeed(const RouteDatabase& database, const std::string& path) {
    std::array<std::string, kFuzzedFiles.size()> files;
    if (buildDataFiles(database, files)) {
        writeFile(path, joinFuzzInput(files));
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fputs("usage: velorin_fuzz_seeds FILES_DIR PARSE_DIR COUNT [INPUT.txt...]\n", stderr);
        return 2;
    }
    const std::string filesDir = argv[1];
    const std::string parseDir = argv[2];
    const int count = std::atoi(argv[3]);

    for (int i = 0; i < count; ++i) {
        RouteDatabase database;
        fillRoundTripDatabase(database, static_cast<std::uint32_t>(i));
        writeFilesSeed(database, filesDir + "/random-" + std::to_string(i));
        std::vector<InputTextProblem> problems;
        writeFile(parseDir + "/random-" + std::to_string(i), writeInputText(database, problems));
    }

    for (int i = 4; i < argc; ++i) {
        std::string text;
        realFileSystem().readFile(argv[i], text);
        const std::string name = "input-" + std::to_string(i - 4);
        writeFile(parseDir + "/" + name, text);
        RouteDatabase database;
        SilentLog log;
        database.logSink = &log;
        if (database.parseText(argv[i], text)) {
            writeFilesSeed(database, filesDir + "/" + name);
        }
    }
    return 0;
}
