#pragma once

#include <string>

// What a program started from Explorer needs: opening a file in the default program, and
// knowing whether its console window closes with it.

// Opens path as a double-click would (a page in the default browser); nothing on POSIX.
void openWithDefaultProgram(const std::string& path);

// True when the console window belongs to this process alone, as when a file was dropped on
// the program in Explorer: it closes as soon as the program ends.
bool ownsConsoleWindow();
