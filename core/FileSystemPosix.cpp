#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "core/FileSystem.h"

namespace {

class PosixFileSystem final : public FileSystem {
public:
    bool readFile(const std::string& path, std::string& content) override {
        const int file = open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (file < 0) {
            return failed();
        }
        struct stat status {};
        if (fstat(file, &status) != 0 || S_ISDIR(status.st_mode)) {
            const int error = S_ISDIR(status.st_mode) ? EISDIR : errno;
            close(file);
            return failed(error);
        }
        // Sized once: growing the string as it fills copied the text again and again.
        content.assign(static_cast<std::size_t>(status.st_size), '\0');
        std::size_t done = 0;
        char more[65536];
        for (;;) {
            const bool full = done == content.size();
            char* target = full ? more : &content[done];
            const ssize_t got = read(file, target, full ? sizeof more : content.size() - done);
            if (got < 0 && errno == EINTR) {
                continue;
            }
            if (got < 0) {
                const int error = errno;
                close(file);
                return failed(error);
            }
            if (got == 0) {
                break;
            }
            if (full) {  // the file grew since fstat
                content.append(more, static_cast<std::size_t>(got));
            }
            done += static_cast<std::size_t>(got);
        }
        content.resize(done);
        close(file);
        return true;
    }

    bool writeFile(const std::string& path, std::string_view bytes) override {
        return write(path, bytes, Flush::Now);
    }

    bool writeFileUnflushed(const std::string& path, std::string_view bytes) override {
        return write(path, bytes, Flush::Later);
    }

    bool flushFile(const std::string& path) override {
        const int file = open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (file < 0) {
            return failed();
        }
        return closeAfter(file, fsync(file) == 0);
    }

    bool moveFile(const std::string& from, const std::string& to) override {
        return std::rename(from.c_str(), to.c_str()) == 0 || failed();
    }

    bool removeFile(const std::string& path) override {
        return unlink(path.c_str()) == 0 || failed();
    }

    bool syncDirectory(const std::string& directory) override {
        const int handle = open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (handle < 0) {
            return failed();
        }
        return closeAfter(handle, fsync(handle) == 0);
    }

    bool exists(const std::string& path) override {
        struct stat status {};
        return lstat(path.c_str(), &status) == 0;
    }

    void createDirectory(const std::string& path) override { mkdir(path.c_str(), 0777); }

    std::string lastError() const override { return std::strerror(error_); }

private:
    enum class Flush { Now, Later };

    bool write(const std::string& path, std::string_view bytes, Flush flush) {
        const int file = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
        if (file < 0) {
            return failed();
        }
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t written = ::write(file, bytes.data() + done, bytes.size() - done);
            if (written < 0 && errno == EINTR) {
                continue;
            }
            if (written < 0) {
                return closeAfter(file, false);
            }
            done += static_cast<std::size_t>(written);
        }
        if (flush == Flush::Now) {
            return closeAfter(file, fsync(file) == 0);
        }
#ifdef __linux__
        // Starts the writing out; a later fsync then mostly finds it done.
        sync_file_range(file, 0, 0, SYNC_FILE_RANGE_WRITE);
#endif
        return closeAfter(file, true);
    }

    // Closes the file; the reason of a failed step before, or of a failed close, is kept.
    bool closeAfter(int file, bool succeeded) {
        const int error = errno;
        if (!succeeded) {
            close(file);
            return failed(error);
        }
        return close(file) == 0 || failed();
    }

    bool failed(int error = errno) {
        error_ = error;
        return false;
    }

    int error_ = 0;
};

}  // namespace

FileSystem& realFileSystem() {
    static PosixFileSystem fileSystem;
    return fileSystem;
}
