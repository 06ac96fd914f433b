#include "cli/CheckCommand.h"

#include "cli/CliTexts.h"
#include "cli/TerminalLog.h"
#include "core/MessageFormat.h"
#include "core/SaveRecovery.h"
#include "datafiles/DatabaseCheck.h"

int runCheck(const CommandLine& line, const Terminal& terminal) {
    const std::string& directory = line.arguments[0];
    TerminalLog log(terminal);
    if (!recoverInterruptedSave(directory, realFileSystem(), log)) {
        return 1;
    }
    const CheckReport report = checkDatabaseDirectory(directory);
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
