#include "network/LintNotice.h"

const char* severityName(LintSeverity severity) {
    switch (severity) {
        case LintSeverity::Error:
            return "error";
        case LintSeverity::Warning:
            return "warning";
        case LintSeverity::Info:
            break;
    }
    return "info";
}
