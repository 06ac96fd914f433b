#include <windows.h>

#include "FileSystem.h"

void createDirectory(const std::string& path) {
    CreateDirectoryA(path.c_str(), nullptr);
}
