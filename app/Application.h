#pragma once

#include <windows.h>

// Starts the program's framework and runs the main window; returns the process's exit code:
// 1 after OK (Enter), 2 after Cancel (Escape or the close box), -1 when the window could not
// be created.
int runApplication(HINSTANCE instance);
