#include <sys/stat.h>

#include "core/FileSystem.h"

void createDirectory(const std::string& path) {
    mkdir(path.c_str(), 0777);
}
