#pragma once

#include <string>
#include <string_view>

// The file operations that reading and saving a database need. Saving goes through this seam
// so that a test can stop or fail it at any one operation. Every operation that can fail
// returns false and leaves the system's reason in lastError().
class FileSystem {
public:
    // The whole content of a file; a directory or a file that cannot be read gives false.
    virtual bool readFile(const std::string& path, std::string& content) = 0;
    // Creates or truncates the file, writes the bytes in one call and flushes them to the disk.
    virtual bool writeFile(const std::string& path, std::string_view bytes) = 0;
    // Creates or truncates the file and writes the bytes in one call; they are on the disk
    // once flushFile returns, and may be before. Where the platform starts writing each file
    // out at once, flushing several written this way costs little more than flushing one.
    virtual bool writeFileUnflushed(const std::string& path, std::string_view bytes) = 0;
    virtual bool flushFile(const std::string& path) = 0;
    // Renames a file, replacing the target in one step; the move is on the disk when it returns
    // or once the directory is synced.
    virtual bool moveFile(const std::string& from, const std::string& to) = 0;
    virtual bool removeFile(const std::string& path) = 0;
    // Flushes the names created, moved and removed in the directory to the disk.
    virtual bool syncDirectory(const std::string& directory) = 0;
    virtual bool exists(const std::string& path) = 0;
    // Creates one directory level; an existing directory or a failure is not reported.
    virtual void createDirectory(const std::string& path) = 0;

    virtual std::string lastError() const = 0;

protected:
    ~FileSystem() = default;
};

// The platform's own file system.
FileSystem& realFileSystem();
