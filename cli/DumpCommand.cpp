#include "DumpCommand.h"

#include <cstdio>
#include <fstream>

#include "CliText.h"
#include "TerminalLog.h"
#include "InputTextWriter.h"
#include "MessageFormat.h"
#include "ReadBackText.h"
#include "RouteDatabase.h"
#include "TextConversion.h"

int runDump(const CommandLine& line, const Terminal& terminal) {
    TerminalLog log(terminal, TerminalLog::Stream::Error);
    RouteDatabase database;
    database.logSink = &log;
    if (!database.load(line.arguments[0])) {
        return 1;
    }

    std::vector<InputTextProblem> problems;
    std::string text = writeInputText(database, problems);
    for (const InputTextProblem& problem : problems) {
        const std::string number = std::to_string(problem.line);
        terminal.err(
            problem.route.empty() && problem.what == readBackText::kDumpHeaderValue
                ? formatMessage(readBackText::kDumpHeaderProblem, {number, problem.what})
                : formatMessage(readBackText::kDumpProblem, {number, problem.route, problem.what}));
    }
    if (line.has("--utf8")) {
        text = wideToUtf8(ansiToWide(text));
    }

    const auto output = line.options.find("-o");
    if (output == line.options.end()) {
        std::fwrite(text.data(), 1, text.size(), stdout);
        std::fflush(stdout);
    } else {
        std::ofstream file(output->second, std::ios::binary);
        if (!(file << text) || !file.flush()) {
            terminal.err(cliText::kErrorPrefix + std::string(cliText::kCannotWrite) +
                         output->second + "\n");
            return 1;
        }
    }
    return log.errorLogged() ? 1 : 0;
}
