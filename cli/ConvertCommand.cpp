#include "cli/ConvertCommand.h"

#include "cli/TerminalLog.h"
#include "core/InputDecoding.h"
#include "core/RouteDatabase.h"

int runConvert(const CommandLine& line, const Terminal& terminal) {
    const std::string& input = line.arguments[0];
    const std::string& outputDir = line.arguments[1];
    const auto encoding = line.options.find("--input-encoding");

    TerminalLog log(terminal);
    RouteDatabase database;
    database.logSink = &log;
    if (encoding != line.options.end()) {
        database.inputEncoding =
            encoding->second == "utf-8" ? InputEncoding::Utf8 : InputEncoding::Gbk;
    }
    return database.convert(input, outputDir) ? 0 : 1;
}
