#include <windows.h>

#include "core/FileSystem.h"

void createDirectory(const std::string& path) {
    CreateDirectoryA(path.c_str(), nullptr);
}
