#include <windows.h>

#include "cli/SameFile.h"

namespace {

// The volume and index that identify a file or folder; false when it cannot be opened.
bool identityOf(const std::string& path, BY_HANDLE_FILE_INFORMATION& identity) {
    // No access is asked for, so files open elsewhere are found all the same; folders need
    // the backup flag to be opened at all.
    const HANDLE handle =
        CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return false;
    }
    const bool known = GetFileInformationByHandle(handle, &identity) != 0;
    CloseHandle(handle);
    return known;
}

}  // namespace

bool sameFile(const std::string& a, const std::string& b) {
    if (a == b) {
        return true;
    }
    BY_HANDLE_FILE_INFORMATION first;
    BY_HANDLE_FILE_INFORMATION second;
    return identityOf(a, first) && identityOf(b, second) &&
           first.dwVolumeSerialNumber == second.dwVolumeSerialNumber &&
           first.nFileIndexHigh == second.nFileIndexHigh &&
           first.nFileIndexLow == second.nFileIndexLow;
}
