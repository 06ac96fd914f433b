#pragma once

#include <map>
#include <string>
#include <string_view>

#include "core/FileSystem.h"

// A file system held in memory: where a command converts an input text to look at its data
// files without writing them anywhere.
class MemoryFileSystem : public FileSystem {
public:
    bool readFile(const std::string& path, std::string& content) override {
        const auto file = files_.find(path);
        if (file == files_.end()) {
            return false;
        }
        content = file->second;
        return true;
    }
    bool writeFile(const std::string& path, std::string_view bytes) override {
        files_[path] = std::string(bytes);
        return true;
    }
    bool writeFileUnflushed(const std::string& path, std::string_view bytes) override {
        return writeFile(path, bytes);
    }
    bool flushFile(const std::string& path) override { return files_.count(path) != 0; }
    bool moveFile(const std::string& from, const std::string& to) override {
        const auto file = files_.find(from);
        if (file == files_.end()) {
            return false;
        }
        std::string bytes = std::move(file->second);
        files_.erase(file);
        files_[to] = std::move(bytes);
        return true;
    }
    bool removeFile(const std::string& path) override { return files_.erase(path) != 0; }
    bool syncDirectory(const std::string&) override { return true; }
    bool exists(const std::string& path) override { return files_.count(path) != 0; }
    void createDirectory(const std::string&) override {}
    std::string lastError() const override { return "no such file"; }

private:
    std::map<std::string, std::string> files_;
};
