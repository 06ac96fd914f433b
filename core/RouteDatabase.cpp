#include "core/RouteDatabase.h"

void RouteDatabase::clearRoutes() {
    routes.clear();
}

void RouteDatabase::log(LogLevel level, const char* message) {
    if (logSink != nullptr) {
        logSink->log(level, message);
    }
}
