#include "gtfs/zip/ArchiveFile.h"

#include <cerrno>
#include <cstring>

#include "gtfs/zip/ZipTexts.h"

namespace {

#ifdef _WIN32
int seekFile(std::FILE* file, std::uint64_t offset, int origin) {
    return _fseeki64(file, static_cast<__int64>(offset), origin);
}
std::int64_t tellFile(std::FILE* file) {
    return _ftelli64(file);
}
#else
int seekFile(std::FILE* file, std::uint64_t offset, int origin) {
    return fseeko(file, static_cast<off_t>(offset), origin);
}
std::int64_t tellFile(std::FILE* file) {
    return ftello(file);
}
#endif

}  // namespace

ArchiveFile::~ArchiveFile() {
    if (file_ != nullptr) {
        std::fclose(file_);
    }
}

bool ArchiveFile::fail() {
    lastError_ = std::strerror(errno);
    return false;
}

bool ArchiveFile::open(const std::string& path) {
    file_ = std::fopen(path.c_str(), "rb");
    if (file_ == nullptr || seekFile(file_, 0, SEEK_END) != 0) {
        return fail();
    }
    const std::int64_t end = tellFile(file_);
    if (end < 0) {
        return fail();
    }
    size_ = static_cast<std::uint64_t>(end);
    position_ = size_;
    return true;
}

bool ArchiveFile::seek(std::uint64_t offset) {
    if (offset == position_) {
        return true;
    }
    if (seekFile(file_, offset, SEEK_SET) != 0) {
        return fail();
    }
    position_ = offset;
    return true;
}

bool ArchiveFile::readAt(std::uint64_t offset, char* buffer, std::size_t count) {
    if (file_ == nullptr || offset > size_ || count > size_ - offset) {
        lastError_ = zipTexts::kArchiveEndsEarly;
        return false;
    }
    if (!seek(offset)) {
        return false;
    }
    errno = 0;
    const std::size_t got = std::fread(buffer, 1, count, file_);
    position_ += got;
    if (got != count) {
        if (std::ferror(file_) != 0 && errno != 0) {
            return fail();
        }
        lastError_ = zipTexts::kArchiveEndsEarly;
        return false;
    }
    return true;
}
