#include "cli/TerminalLog.h"

#include <string>

namespace {

const char* prefixFor(LogLevel level) {
    switch (level) {
        case LogLevel::Error:
            return "[错误]:\t";
        case LogLevel::Warning:
            return "[警告]:\t";
        case LogLevel::Info:
            return "[信息]:\t";
    }
    return "";
}

}  // namespace

void TerminalLog::log(LogLevel level, const char* message) {
    if (level == LogLevel::Error) {
        errorLogged_ = true;
    }
    const std::string line = std::string(prefixFor(level)) + message + "\n";
    if (stream_ == Stream::Error) {
        terminal_.err(line);
    } else {
        terminal_.out(line);
    }
}
