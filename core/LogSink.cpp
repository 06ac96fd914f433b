#include "core/LogSink.h"

#include "core/CoreTexts.h"

const char* levelPrefix(LogLevel level) {
    switch (level) {
        case LogLevel::Error:
            return coreTexts::kLevelPrefixError;
        case LogLevel::Warning:
            return coreTexts::kLevelPrefixWarning;
        case LogLevel::Info:
            return coreTexts::kLevelPrefixInfo;
    }
    return "";
}
