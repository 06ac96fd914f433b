#include "tests/core/FaultyFileSystem.h"

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
    if ((fault_ == Fault::CrashAfter && number == operation_ + 1) ||
        (fault_ == Fault::FailAt && number == operation_)) {
        dead_ = fault_ == Fault::CrashAfter;
        injected_ = true;
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

bool FaultyFileSystem::readFile(const std::string& path, std::string& content) {
    return !dead_ && real().readFile(path, content);
}

bool FaultyFileSystem::writeFile(const std::string& path, std::string_view bytes) {
    if (!next("write " + path)) {
        return injected_ && tornWrite(path, bytes);
    }
    return real().writeFile(path, bytes);
}

bool FaultyFileSystem::moveFile(const std::string& from, const std::string& to) {
    return next("move " + from + " -> " + to) && real().moveFile(from, to);
}

bool FaultyFileSystem::removeFile(const std::string& path) {
    return next("remove " + path) && real().removeFile(path);
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
