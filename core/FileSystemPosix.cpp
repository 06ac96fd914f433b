#include <sys/stat.h>

#include "FileSystem.h"

void createDirectory(const std::string& path) {
    mkdir(path.c_str(), 0777);
}
