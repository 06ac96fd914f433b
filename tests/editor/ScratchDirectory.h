#pragma once

#include <filesystem>
#include <string>

// A new empty directory under the system's temporary directory, removed with its content when
// the object goes.
class ScratchDirectory {
public:
    ScratchDirectory();
    ~ScratchDirectory();
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    std::string path() const { return path_.string(); }
    // A path inside the directory.
    std::string file(const std::string& name) const { return (path_ / name).string(); }
    // A new empty subdirectory.
    std::string subdirectory(const std::string& name) const;

private:
    std::filesystem::path path_;
};

std::string readFileBytes(const std::string& path);
void writeFileBytes(const std::string& path, const std::string& bytes);
