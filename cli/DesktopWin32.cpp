#include <windows.h>

#include "cli/Desktop.h"

void openWithDefaultProgram(const std::string& path) {
    ShellExecuteA(nullptr, "open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

bool ownsConsoleWindow() {
    DWORD processes[2];
    return GetConsoleProcessList(processes, 2) == 1;
}
