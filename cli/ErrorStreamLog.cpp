#include "ErrorStreamLog.h"

#include <string>

namespace {

// The prefixes of the terminal log.
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

void ErrorStreamLog::log(LogLevel level, const char* message) {
    if (level == LogLevel::Error) {
        errorLogged_ = true;
    }
    terminal_.err(std::string(prefixFor(level)) + message + "\n");
}
