#pragma once

#include <windows.h>

#include <string>

#include "app/LogBox.h"
#include "core/LogSink.h"
#include "core/RouteDatabase.h"

// Loads the database directory and, when that succeeded, runs the editor window on it, owned
// by the active window. While the window is open the database's messages go to its status
// line; afterwards they go to mainSink again. A failed load opens nothing; what it reported,
// or why a database that loading passes over in silence did not open, stays where mainSink
// shows it. mainLog is the box that shows mainSink's messages.
void openEditor(const std::string& databaseDir, RouteDatabase& database, LogSink& mainSink,
                LogBox& mainLog);
