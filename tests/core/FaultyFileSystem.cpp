#include "tests/core/FaultyFileSystem.h"

#include <filesystem>

namespace {

FileSystem& real() {
    return realFileSystem();
}

}  // namespace

bool FaultyFileSystem::next(const std::string& description) {
    if (dead_) {
        injected_ = false;
        return false;
    }
    const int number = ++attempts_;
    if ((fault_ == Fault::CrashAfter && chosen_.count(number - 1) > 0) ||
        (fault_ == Fault::FailAt && chosen_.count(number) > 0)) {
        dead_ = fault_ == Fault::CrashAfter;
        injected_ = true;
        if (dead_) {
            loseUnflushed();
        }
        return false;
    }
    injected_ = false;
    operations_.push_back(description);
    return true;
}

bool FaultyFileSystem::tornWrite(const std::string& path, std::string_view bytes) {
    real().writeFile(path, bytes.substr(0, bytes.size() / 2));
    return false;
}

void FaultyFileSystem::loseUnflushed() {
    for (const std::string& path : unflushed_) {
        std::filesystem::resize_file(path, std::filesystem::file_size(path) / 2);
    }
}

bool FaultyFileSystem::readFile(const std::string& path, std::string& content) {
    return !dead_ && real().readFile(path, content);
}

bool FaultyFileSystem::writeFile(const std::string& path, std::string_view bytes) {
    if (!next("write " + path)) {
        return injected_ && tornWrite(path, bytes);
    }
    return real().writeFile(path, bytes);
}

bool FaultyFileSystem::writeFileUnflushed(const std::string& path, std::string_view bytes) {
    if (!next("write " + path)) {
        return injected_ && tornWrite(path, bytes);
    }
    unflushed_.insert(path);
    return real().writeFileUnflushed(path, bytes);
}

bool FaultyFileSystem::flushFile(const std::string& path) {
    if (!next("flush " + path) || !real().flushFile(path)) {
        return false;
    }
    unflushed_.erase(path);
    return true;
}

bool FaultyFileSystem::moveFile(const std::string& from, const std::string& to) {
    if (!next("move " + from + " -> " + to) || !real().moveFile(from, to)) {
        return false;
    }
    unflushed_.erase(to);
    if (unflushed_.erase(from) > 0) {
        unflushed_.insert(to);
    }
    return true;
}

bool FaultyFileSystem::removeFile(const std::string& path) {
    if (!next("remove " + path) || !real().removeFile(path)) {
        return false;
    }
    unflushed_.erase(path);
    return true;
}

bool FaultyFileSystem::syncDirectory(const std::string& directory) {
    return next("sync " + directory) && real().syncDirectory(directory);
}

bool FaultyFileSystem::exists(const std::string& path) {
    return !dead_ && real().exists(path);
}

void FaultyFileSystem::createDirectory(const std::string& path) {
    if (!dead_) {
        real().createDirectory(path);
    }
}

std::string FaultyFileSystem::lastError() const {
    return injected_ ? "injected fault" : real().lastError();
}
