#include <sys/stat.h>

#include "cli/SameFile.h"

bool sameFile(const std::string& a, const std::string& b) {
    if (a == b) {
        return true;
    }
    struct stat first;
    struct stat second;
    return stat(a.c_str(), &first) == 0 && stat(b.c_str(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}
