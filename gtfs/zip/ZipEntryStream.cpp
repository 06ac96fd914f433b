#include "gtfs/zip/ZipEntryStream.h"

#include <zlib.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/ByteReader.h"
#include "core/MessageFormat.h"
#include "gtfs/zip/ArchiveFile.h"
#include "gtfs/zip/ZipTexts.h"

namespace {

constexpr std::uint32_t kLocalSignature = 0x04034b50;
constexpr std::size_t kLocalHeaderBytes = 30;
constexpr std::uint16_t kEncryptedFlag = 0x0001;
constexpr std::uint16_t kStored = 0;
constexpr std::uint16_t kDeflated = 8;
constexpr std::size_t kInputBytes = 1 << 16;
// zlib counts in 32-bit unsigned ints.
constexpr std::size_t kLongestPass = 1u << 30;

class EntryStream : public ZipEntryStream {
public:
    EntryStream(std::unique_ptr<ArchiveFile> file, const ZipEntry& entry, std::uint64_t dataOffset)
        : file_(std::move(file)),
          deflated_(entry.method == kDeflated),
          expectedCrc_(entry.crc),
          expectedSize_(entry.size),
          offset_(dataOffset),
          inputLeft_(entry.compressedSize) {
        if (deflated_) {
            input_.resize(kInputBytes);
            inflating_ = inflateInit2(&inflater_, -MAX_WBITS) == Z_OK;
            if (!inflating_) {
                problem_ = zipTexts::kZipDeflateDamaged;
            }
        }
    }
    ~EntryStream() override {
        if (inflating_) {
            inflateEnd(&inflater_);
        }
    }

    std::size_t read(char* buffer, std::size_t size) override {
        if (!problem_.empty() || checked_) {
            return 0;
        }
        size = std::min(size, kLongestPass);
        const std::size_t got = deflated_ ? inflateInto(buffer, size) : copyInto(buffer, size);
        if (!problem_.empty()) {
            return 0;
        }
        produced_ += got;
        crc_ = crc32(crc_, reinterpret_cast<const Bytef*>(buffer), static_cast<uInt>(got));
        if (produced_ > expectedSize_) {
            return failWith(sizeMismatch());
        }
        if (got == 0 && size > 0) {
            checked_ = true;
            if (produced_ != expectedSize_) {
                return failWith(sizeMismatch());
            }
            if (crc_ != expectedCrc_) {
                return failWith(zipTexts::kZipCrcMismatch);
            }
        }
        return got;
    }
    bool failed() const override { return !problem_.empty(); }
    std::string problem() const override { return problem_; }

private:
    std::size_t failWith(std::string problem) {
        if (problem_.empty()) {
            problem_ = std::move(problem);
        }
        return 0;
    }

    std::string sizeMismatch() const {
        return formatMessage(zipTexts::kZipSizeMismatch, {std::to_string(expectedSize_)});
    }

    bool readInput(char* buffer, std::size_t count) {
        if (!file_->readAt(offset_, buffer, count)) {
            failWith(formatMessage(zipTexts::kReadFailed, {file_->lastError()}));
            return false;
        }
        offset_ += count;
        inputLeft_ -= count;
        return true;
    }

    std::size_t copyInto(char* buffer, std::size_t size) {
        const std::size_t count =
            static_cast<std::size_t>(std::min<std::uint64_t>(size, inputLeft_));
        return readInput(buffer, count) ? count : 0;
    }

    std::size_t inflateInto(char* buffer, std::size_t size) {
        inflater_.next_out = reinterpret_cast<Bytef*>(buffer);
        inflater_.avail_out = static_cast<uInt>(size);
        while (inflater_.avail_out == size && !ended_) {
            if (inflater_.avail_in == 0 && inputLeft_ > 0) {
                const std::size_t count =
                    static_cast<std::size_t>(std::min<std::uint64_t>(input_.size(), inputLeft_));
                if (!readInput(input_.data(), count)) {
                    return 0;
                }
                inflater_.next_in = reinterpret_cast<Bytef*>(input_.data());
                inflater_.avail_in = static_cast<uInt>(count);
            }
            const int result = inflate(&inflater_, Z_NO_FLUSH);
            if (result == Z_STREAM_END) {
                ended_ = true;
            } else if (result == Z_BUF_ERROR && inflater_.avail_in == 0) {
                if (inputLeft_ == 0) {
                    return failWith(zipTexts::kZipDeflateCut);
                }
            } else if (result != Z_OK) {
                return failWith(zipTexts::kZipDeflateDamaged);
            }
        }
        return size - inflater_.avail_out;
    }

    std::unique_ptr<ArchiveFile> file_;
    const bool deflated_;
    const std::uint32_t expectedCrc_;
    const std::uint64_t expectedSize_;
    std::uint64_t offset_;
    std::uint64_t inputLeft_;
    std::vector<char> input_;
    z_stream inflater_{};
    bool inflating_ = false;
    bool ended_ = false;
    std::uint64_t produced_ = 0;
    uLong crc_ = crc32(0, Z_NULL, 0);
    bool checked_ = false;
    std::string problem_;
};

// Compression methods a zip archive may name, by their number in the zip format.
std::string methodName(std::uint16_t method) {
    switch (method) {
        case 1:
            return "Shrink";
        case 6:
            return "Implode";
        case 9:
            return "Deflate64";
        case 12:
            return "bzip2";
        case 14:
            return "LZMA";
        case 93:
            return "Zstandard (zstd)";
        case 95:
            return "xz";
        case 98:
            return "PPMd";
    }
    return formatMessage(zipTexts::kZipMethodNumber, {std::to_string(method)});
}

// Where the entry's data begins, after its local header's own name and extra field; false
// when the header is not there or the data would run past the archive's entries.
bool findData(ArchiveFile& file, const ZipEntry& entry, std::uint64_t dataEnd,
              std::uint64_t& dataOffset) {
    char bytes[kLocalHeaderBytes];
    if (entry.localHeaderOffset > dataEnd ||
        dataEnd - entry.localHeaderOffset < kLocalHeaderBytes ||
        !file.readAt(entry.localHeaderOffset, bytes, kLocalHeaderBytes)) {
        return false;
    }
    ByteReader header(std::string_view(bytes, kLocalHeaderBytes));
    if (header.littleEndian32() != kLocalSignature) {
        return false;
    }
    header.bytes(22);  // versions, flags, method, time, CRC-32 and sizes: the directory's count
    const std::uint16_t nameBytes = header.littleEndian16();
    const std::uint16_t extraBytes = header.littleEndian16();
    dataOffset = entry.localHeaderOffset + kLocalHeaderBytes + nameBytes + extraBytes;
    return dataOffset <= dataEnd && entry.compressedSize <= dataEnd - dataOffset;
}

}  // namespace

std::unique_ptr<ZipEntryStream> openZipEntry(const std::string& path, const ZipEntry& entry,
                                             std::uint64_t dataEnd, std::string& problem) {
    // Method 99 is WinZip's AES encryption.
    if ((entry.flags & kEncryptedFlag) != 0 || entry.method == 99) {
        problem = zipTexts::kZipEncrypted;
        return nullptr;
    }
    if (entry.method != kStored && entry.method != kDeflated) {
        problem = formatMessage(zipTexts::kZipMethod, {methodName(entry.method)});
        return nullptr;
    }
    auto file = std::make_unique<ArchiveFile>();
    if (!file->open(path)) {
        problem = formatMessage(zipTexts::kReadFailed, {file->lastError()});
        return nullptr;
    }
    std::uint64_t dataOffset = 0;
    if (!findData(*file, entry, dataEnd, dataOffset)) {
        problem = zipTexts::kZipDamagedEntry;
        return nullptr;
    }
    return std::make_unique<EntryStream>(std::move(file), entry, dataOffset);
}
