#include "cli/DiffCommand.h"

#include "cli/NetworkSource.h"
#include "cli/OutputFile.h"
#include "cli/TerminalLog.h"
#include "network/DiffReport.h"
#include "network/NetworkDiff.h"

namespace {

constexpr int kTrouble = 2;

}  // namespace

int runDiff(const CommandLine& line, const Terminal& terminal) {
    TerminalLog log(terminal, TerminalLog::Stream::Error);
    ErrorsOnlyLog errors(log);
    RouteDatabase before;
    RouteDatabase after;
    if (!loadNetwork(line.arguments[0], before, errors) ||
        !loadNetwork(line.arguments[1], after, errors)) {
        return kTrouble;
    }
    const NetworkDiff diff = diffNetworks(before, after);
    terminal.out(diffText(diff));
    const auto json = line.options.find("--json");
    if (json != line.options.end() && !writeOutputFile(json->second, diffJson(diff), log)) {
        return kTrouble;
    }
    return diff.identical() ? 0 : 1;
}
