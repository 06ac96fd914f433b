#include "cli/DumpCommand.h"

#include <cstdio>

#include "cli/CliTexts.h"
#include "cli/OutputFile.h"
#include "cli/TerminalLog.h"
#include "core/CoreTexts.h"
#include "core/InputTextWriter.h"
#include "core/MessageFormat.h"
#include "core/RouteDatabase.h"
#include "core/TextConversion.h"
#include "datafiles/Loader.h"

int runDump(const CommandLine& line, const Terminal& terminal) {
    TerminalLog log(terminal, TerminalLog::Stream::Error);
    RouteDatabase database;
    database.logSink = &log;
    if (!openDatabase(database, line.arguments[0])) {
        return 1;
    }

    std::vector<InputTextProblem> problems;
    std::string text = writeInputText(database, problems);
    for (const InputTextProblem& problem : problems) {
        const std::string number = std::to_string(problem.line);
        terminal.err(
            problem.route.empty() && problem.what == coreTexts::kInputTextHeaderValue
                ? formatMessage(cliTexts::kDumpHeaderProblem, {number, problem.what})
                : formatMessage(cliTexts::kDumpProblem, {number, problem.route, problem.what}));
    }
    if (line.has("--utf8")) {
        text = wideToUtf8(ansiToWide(text));
    }

    const auto output = line.options.find("-o");
    if (output == line.options.end()) {
        std::fwrite(text.data(), 1, text.size(), stdout);
        std::fflush(stdout);
    } else if (!writeOutputFile(output->second, text, log)) {
        return 1;
    }
    return log.errorLogged() ? 1 : 0;
}
