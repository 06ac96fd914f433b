#include "cli/Desktop.h"

void openWithDefaultProgram(const std::string&) {}

bool ownsConsoleWindow() {
    return false;
}
