#include "cli/CheckCommand.h"

#include "cli/CliTexts.h"
#include "core/MessageFormat.h"
#include "datafiles/DatabaseCheck.h"

int runCheck(const CommandLine& line, const Terminal& terminal) {
    const CheckReport report = checkDatabaseDirectory(line.arguments[0]);
    for (const CheckProblem& problem : report.problems) {
        terminal.out(formatMessage(cliTexts::kCheckProblem,
                                   {problem.file, std::to_string(problem.offset), problem.text}));
    }
    if (!report.problems.empty()) {
        terminal.out(
            formatMessage(cliTexts::kCheckFailed, {std::to_string(report.problems.size())}));
        return 1;
    }
    terminal.out(formatMessage(cliTexts::kCheckSummary,
                               {std::to_string(report.stations), std::to_string(report.trips),
                                std::to_string(report.lines)}));
    return 0;
}
