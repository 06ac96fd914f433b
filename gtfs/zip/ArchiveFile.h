#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

// A file opened for reading at 64-bit offsets, since a zip archive can pass
// 4 GB. Every read names its offset and must lie wholly inside the file.
class ArchiveFile {
public:
    ArchiveFile() = default;
    ~ArchiveFile();
    ArchiveFile(const ArchiveFile&) = delete;
    ArchiveFile& operator=(const ArchiveFile&) = delete;

    // Opens the path as given (on Windows an ANSI path) and learns the file's size.
    bool open(const std::string& path);
    std::uint64_t size() const { return size_; }

    // Reads exactly count bytes at offset; false when they do not all lie in the file or the
    // reading fails.
    bool readAt(std::uint64_t offset, char* buffer, std::size_t count);
    // Why the last open or read failed: the system's reason, or that the file ended early.
    const std::string& lastError() const { return lastError_; }

private:
    bool seek(std::uint64_t offset);
    bool fail();

    std::FILE* file_ = nullptr;
    std::uint64_t size_ = 0;
    std::uint64_t position_ = 0;
    std::string lastError_;
};
