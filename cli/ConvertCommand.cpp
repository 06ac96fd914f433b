#include "cli/ConvertCommand.h"

#include "cli/CliTexts.h"
#include "cli/TerminalLog.h"
#include "core/FileSystem.h"
#include "core/InputDecoding.h"
#include "core/RouteDatabase.h"

namespace {

// Converts an input after decoding it to GBK; a file that cannot be read goes to the ordinary
// conversion, which reports it.
bool convertDecoded(RouteDatabase& database, const std::string& path, const std::string& outputDir,
                    InputEncoding encoding, const Terminal& terminal) {
    std::string bytes;
    if (!database.fileSystem->readFile(path, bytes)) {
        return database.convert(path, outputDir);
    }
    DecodedInput decoded;
    if (!decodeInputText(bytes, encoding, decoded)) {
        terminal.err(cliTexts::kErrorPrefix + path + decoded.problem + "\n");
        return false;
    }
    return database.convertText(path, decoded.gbk, outputDir);
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
    const bool converted =
        utf8 ? convertDecoded(database, input, outputDir, InputEncoding::Utf8, terminal)
             : database.convert(input, outputDir);
    return converted ? 0 : 1;
}
