#include "cli/ConvertCommand.h"

#include "cli/CliTexts.h"
#include "cli/TerminalLog.h"
#include "cli/Utf8Input.h"
#include "core/FileSystem.h"
#include "core/RouteDatabase.h"

namespace {

// Converts a UTF-8 input after converting it to GBK; a file that cannot be read goes to the
// ordinary conversion, which reports it.
bool convertUtf8(RouteDatabase& database, const std::string& path, const std::string& outputDir,
                 const Terminal& terminal) {
    std::string utf8;
    if (!database.fileSystem->readFile(path, utf8)) {
        return database.convert(path, outputDir);
    }
    std::string gbk;
    std::string problem;
    if (!utf8InputToGbk(utf8, gbk, problem)) {
        terminal.err(cliTexts::kErrorPrefix + path + problem + "\n");
        return false;
    }
    return database.convertText(path, gbk, outputDir);
}

}  // namespace

int runConvert(const CommandLine& line, const Terminal& terminal) {
    const std::string& input = line.arguments[0];
    const std::string& outputDir = line.arguments[1];
    const auto encoding = line.options.find("--input-encoding");
    const bool utf8 = encoding != line.options.end() && encoding->second == "utf-8";

    TerminalLog log(terminal);
    RouteDatabase database;
    database.logSink = &log;
    const bool converted = utf8 ? convertUtf8(database, input, outputDir, terminal)
                                : database.convert(input, outputDir);
    return converted ? 0 : 1;
}
