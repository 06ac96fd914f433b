#pragma once

#include <cstdint>

// Severity of a message; the numbers are what log() receives and what sinks print.
enum class LogLevel : std::int32_t { Error = 0, Warning = 1, Info = 2 };

// Receives every message of the conversion core: a level and a NUL-terminated GBK text
// that the sink reads only during the call.
class LogSink {
public:
    virtual void log(LogLevel level, const char* message) = 0;

protected:
    ~LogSink() = default;
};

// The text shown before a message of level, such as "[错误]:\t"; empty for an unknown level.
const char* levelPrefix(LogLevel level);
