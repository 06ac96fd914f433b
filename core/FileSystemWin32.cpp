#include <windows.h>

#include <algorithm>
#include <string>

#include "core/FileSystem.h"

namespace {

// Closes a file handle when the scope ends.
class Handle {
public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle() {
        if (handle_ != INVALID_HANDLE_VALUE) {
            CloseHandle(handle_);
        }
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;

    HANDLE get() const { return handle_; }
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_;
};

class Win32FileSystem final : public FileSystem {
public:
    bool readFile(const std::string& path, std::string& content) override {
        // Without FILE_FLAG_BACKUP_SEMANTICS a directory does not open.
        const Handle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        LARGE_INTEGER size{};
        if (!file.valid() || !GetFileSizeEx(file.get(), &size)) {
            return failed();
        }
        content.assign(static_cast<std::size_t>(size.QuadPart), '\0');
        std::size_t done = 0;
        while (done < content.size()) {
            DWORD got = 0;
            const DWORD wanted =
                static_cast<DWORD>(std::min<std::size_t>(content.size() - done, 1 << 30));
            if (!ReadFile(file.get(), &content[done], wanted, &got, nullptr)) {
                return failed();
            }
            if (got == 0) {
                break;
            }
            done += got;
        }
        content.resize(done);
        return true;
    }

    bool writeFile(const std::string& path, std::string_view bytes) override {
        const Handle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
        return writeAll(file, bytes) && (FlushFileBuffers(file.get()) || failed());
    }

    // Flushed at once: reopening the file later to flush it could meet another program (a
    // virus scanner, say) that opened it in the meantime, and fail.
    bool writeFileUnflushed(const std::string& path, std::string_view bytes) override {
        return writeFile(path, bytes);
    }

    bool flushFile(const std::string& /*path*/) override { return true; }

    bool moveFile(const std::string& from, const std::string& to) override {
        return MoveFileExA(from.c_str(), to.c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) ||
               failed();
    }

    bool removeFile(const std::string& path) override {
        return DeleteFileA(path.c_str()) || failed();
    }

    // Windows has no flush of a directory's names; the moves are written through instead.
    bool syncDirectory(const std::string& /*directory*/) override { return true; }

    bool exists(const std::string& path) override {
        return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
    }

    void createDirectory(const std::string& path) override {
        CreateDirectoryA(path.c_str(), nullptr);
    }

    std::string lastError() const override {
        char* text = nullptr;
        const DWORD length =
            FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                               FORMAT_MESSAGE_IGNORE_INSERTS,
                           nullptr, error_, 0, reinterpret_cast<char*>(&text), 0, nullptr);
        std::string reason =
            length > 0 ? std::string(text, length) : "error " + std::to_string(error_);
        LocalFree(text);
        while (!reason.empty() &&
               (reason.back() == '\r' || reason.back() == '\n' || reason.back() == ' ')) {
            reason.pop_back();
        }
        return reason;
    }

private:
    bool writeAll(const Handle& file, std::string_view bytes) {
        if (!file.valid()) {
            return failed();
        }
        std::size_t done = 0;
        while (done < bytes.size()) {
            DWORD written = 0;
            const DWORD wanted =
                static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1 << 30));
            if (!WriteFile(file.get(), bytes.data() + done, wanted, &written, nullptr)) {
                return failed();
            }
            done += written;
        }
        return true;
    }

    bool failed() {
        error_ = GetLastError();
        return false;
    }

    DWORD error_ = 0;
};

}  // namespace

FileSystem& realFileSystem() {
    static Win32FileSystem fileSystem;
    return fileSystem;
}
