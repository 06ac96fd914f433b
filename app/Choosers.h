#pragma once

#include <windows.h>

#include <string>

// The system's file and folder choosers as the main window uses them. Each returns true and
// sets `path` when the user confirmed a choice, false (path unchanged) otherwise.
namespace choosers {

// File-open dialog for the input text file, owned by `owner`.
bool chooseInputFile(HWND owner, std::string& path);

// Folder browser for the output directory, owned by `owner`; only file-system directories.
bool chooseOutputDir(HWND owner, std::string& path);

}  // namespace choosers
