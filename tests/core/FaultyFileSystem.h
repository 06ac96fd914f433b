#pragma once

#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/FileSystem.h"

// Passes every file operation on to the real file system, and counts those that change the
// disk. At the chosen one it either stops dead, as a power cut would (a write gets half its
// bytes to the disk, so does every file written and not yet flushed, and nothing after it
// happens), or fails with an I/O error (a write leaves half its bytes) while the others go on
// working; failures can be chosen at several operations.
class FaultyFileSystem final : public FileSystem {
public:
    enum class Fault { None, CrashAfter, FailAt };

    explicit FaultyFileSystem(Fault fault = Fault::None, int operation = 0)
        : fault_(fault), chosen_{operation} {}
    // Fails at each of the operations numbered (from 1).
    explicit FaultyFileSystem(std::set<int> failing)
        : fault_(Fault::FailAt), chosen_(std::move(failing)) {}

    // The changing operations passed on, each as its kind and path ("move a -> b").
    const std::vector<std::string>& operations() const { return operations_; }

    bool readFile(const std::string& path, std::string& content) override;
    bool writeFile(const std::string& path, std::string_view bytes) override;
    bool writeFileUnflushed(const std::string& path, std::string_view bytes) override;
    bool flushFile(const std::string& path) override;
    bool moveFile(const std::string& from, const std::string& to) override;
    bool removeFile(const std::string& path) override;
    bool syncDirectory(const std::string& directory) override;
    bool exists(const std::string& path) override;
    void createDirectory(const std::string& path) override;
    std::string lastError() const override;

private:
    // Whether the next changing operation may happen; false makes it fail without effect.
    bool next(const std::string& description);
    bool tornWrite(const std::string& path, std::string_view bytes);
    void loseUnflushed();

    Fault fault_;
    std::set<int> chosen_;
    int attempts_ = 0;
    bool dead_ = false;
    bool injected_ = false;
    std::vector<std::string> operations_;
    std::set<std::string> unflushed_;
};
