#include "cli/DumpCommand.h"

#include <cstdio>

#include "cli/InputTextOutput.h"
#include "cli/OutputFile.h"
#include "cli/TerminalLog.h"
#include "core/RouteDatabase.h"
#include "datafiles/Loader.h"

int runDump(const CommandLine& line, const Terminal& terminal) {
    TerminalLog log(terminal, TerminalLog::Stream::Error);
    RouteDatabase database;
    database.logSink = &log;
    if (!openDatabase(database, line.arguments[0])) {
        return 1;
    }

    const std::string text = inputTextFor(database, line.has("--utf8"), terminal);

    const auto output = line.options.find("-o");
    if (output == line.options.end()) {
        std::fwrite(text.data(), 1, text.size(), stdout);
        std::fflush(stdout);
    } else if (!writeOutputFile(output->second, text, log)) {
        return 1;
    }
    return log.errorLogged() ? 1 : 0;
}
