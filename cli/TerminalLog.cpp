#include "cli/TerminalLog.h"

#include <string>

void TerminalLog::log(LogLevel level, const char* message) {
    if (level == LogLevel::Error) {
        errorLogged_ = true;
    }
    const std::string line = std::string(levelPrefix(level)) + message + "\n";
    if (stream_ == Stream::Error) {
        terminal_.err(line);
    } else {
        terminal_.out(line);
    }
}
