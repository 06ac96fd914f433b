#include "cli/InputTextOutput.h"

#include <vector>

#include "cli/CliTexts.h"
#include "core/CoreTexts.h"
#include "core/InputTextWriter.h"
#include "core/LogSink.h"
#include "core/MessageFormat.h"
#include "core/TextConversion.h"

std::string inputTextFor(const RouteDatabase& database, bool utf8, const Terminal& terminal) {
    std::vector<InputTextProblem> problems;
    const std::string text = writeInputText(database, problems);
    for (const InputTextProblem& problem : problems) {
        const std::string number = std::to_string(problem.line);
        terminal.err(
            levelPrefix(LogLevel::Warning) +
            (problem.route.empty() && problem.what == coreTexts::kInputTextHeaderValue
                 ? formatMessage(cliTexts::kDumpHeaderProblem, {number, problem.what})
                 : formatMessage(cliTexts::kDumpProblem, {number, problem.route, problem.what})));
    }
    return utf8 ? gbkToUtf8(text) : text;
}
