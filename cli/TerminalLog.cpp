#include "TerminalLog.h"

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
    terminal_.out(std::string(prefixFor(level)) + message + "\n");
}
