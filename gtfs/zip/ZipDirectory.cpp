#include "gtfs/zip/ZipDirectory.h"

#include <algorithm>

#include "core/ByteReader.h"
#include "gtfs/zip/ZipTexts.h"

namespace {

constexpr std::uint32_t kEndSignature = 0x06054b50;
constexpr std::uint32_t kZip64EndSignature = 0x06064b50;
constexpr std::uint32_t kZip64LocatorSignature = 0x07064b50;
constexpr std::uint32_t kEntrySignature = 0x02014b50;
constexpr std::size_t kEndBytes = 22;
constexpr std::size_t kZip64EndBytes = 56;
constexpr std::size_t kZip64LocatorBytes = 20;
constexpr std::size_t kEntryBytes = 46;
constexpr std::size_t kLongestComment = 0xFFFF;
constexpr std::uint16_t kZip64ExtraId = 0x0001;
constexpr std::uint32_t kInZip64 = 0xFFFFFFFF;

// Where the central directory lies and how many entries it holds.
struct DirectoryPlace {
    std::uint64_t entries = 0;
    std::uint64_t size = 0;
    std::uint64_t offset = 0;
    std::uint64_t end = 0;  // where the end records begin
    bool oneDisk = true;
    bool zip64 = false;
};

// Searches backwards from the end for the end record, which an archive comment may follow.
bool findEnd(ArchiveFile& file, DirectoryPlace& place) {
    const std::size_t tailBytes =
        static_cast<std::size_t>(std::min<std::uint64_t>(file.size(), kEndBytes + kLongestComment));
    if (tailBytes < kEndBytes) {
        return false;
    }
    std::string tail(tailBytes, '\0');
    if (!file.readAt(file.size() - tailBytes, tail.data(), tailBytes)) {
        return false;
    }
    for (std::size_t at = tailBytes - kEndBytes + 1; at-- > 0;) {
        ByteReader end(std::string_view(tail).substr(at));
        if (end.littleEndian32() != kEndSignature) {
            continue;
        }
        const std::uint16_t disk = end.littleEndian16();
        const std::uint16_t directoryDisk = end.littleEndian16();
        const std::uint16_t entriesOnDisk = end.littleEndian16();
        place.entries = end.littleEndian16();
        place.size = end.littleEndian32();
        place.offset = end.littleEndian32();
        const std::uint16_t commentBytes = end.littleEndian16();
        if (commentBytes > end.remaining()) {
            continue;  // the signature's bytes belong to a comment
        }
        place.end = file.size() - tailBytes + at;
        place.oneDisk = disk == 0 && directoryDisk == 0 && entriesOnDisk == place.entries;
        return true;
    }
    return false;
}

// Takes the directory's place from the zip64 end record when a locator precedes the end
// record; false when the locator points to no zip64 end record.
bool readZip64End(ArchiveFile& file, DirectoryPlace& place) {
    char locatorBytes[kZip64LocatorBytes];
    if (place.end < kZip64LocatorBytes ||
        !file.readAt(place.end - kZip64LocatorBytes, locatorBytes, kZip64LocatorBytes)) {
        return true;
    }
    ByteReader locator(std::string_view(locatorBytes, kZip64LocatorBytes));
    if (locator.littleEndian32() != kZip64LocatorSignature) {
        return true;
    }
    const std::uint32_t endDisk = locator.littleEndian32();
    const std::uint64_t endOffset = locator.littleEndian64();
    const std::uint32_t disks = locator.littleEndian32();
    char endBytes[kZip64EndBytes];
    if (endOffset > place.end - kZip64LocatorBytes ||
        place.end - kZip64LocatorBytes - endOffset < kZip64EndBytes ||
        !file.readAt(endOffset, endBytes, kZip64EndBytes)) {
        return false;
    }
    ByteReader end(std::string_view(endBytes, kZip64EndBytes));
    if (end.littleEndian32() != kZip64EndSignature) {
        return false;
    }
    end.littleEndian64();  // the record's size
    end.littleEndian16();  // version made by
    end.littleEndian16();  // version needed
    const std::uint32_t disk = end.littleEndian32();
    const std::uint32_t directoryDisk = end.littleEndian32();
    const std::uint64_t entriesOnDisk = end.littleEndian64();
    place.entries = end.littleEndian64();
    place.size = end.littleEndian64();
    place.offset = end.littleEndian64();
    place.end = endOffset;
    place.zip64 = true;
    place.oneDisk = endDisk == 0 && disks <= 1 && disk == 0 && directoryDisk == 0 &&
                    entriesOnDisk == place.entries;
    return true;
}

// Replaces the 32-bit sizes and offset that are 0xFFFFFFFF by the zip64 extra field's values.
bool readZip64Extra(std::string_view extra, ZipEntry& entry) {
    ByteReader fields(extra);
    while (fields.remaining() >= 4) {
        const std::uint16_t id = fields.littleEndian16();
        const std::string_view body = fields.bytes(fields.littleEndian16());
        if (!fields.ok()) {
            return false;
        }
        if (id != kZip64ExtraId) {
            continue;
        }
        ByteReader values(body);
        if (entry.size == kInZip64) {
            entry.size = values.littleEndian64();
        }
        if (entry.compressedSize == kInZip64) {
            entry.compressedSize = values.littleEndian64();
        }
        if (entry.localHeaderOffset == kInZip64) {
            entry.localHeaderOffset = values.littleEndian64();
        }
        return values.ok();
    }
    return true;
}

bool readEntry(ByteReader& directory, ZipEntry& entry) {
    if (directory.littleEndian32() != kEntrySignature) {
        return false;
    }
    directory.littleEndian16();  // version made by
    directory.littleEndian16();  // version needed
    entry.flags = directory.littleEndian16();
    entry.method = directory.littleEndian16();
    directory.littleEndian32();  // modification time and date
    entry.crc = directory.littleEndian32();
    entry.compressedSize = directory.littleEndian32();
    entry.size = directory.littleEndian32();
    const std::uint16_t nameBytes = directory.littleEndian16();
    const std::uint16_t extraBytes = directory.littleEndian16();
    const std::uint16_t commentBytes = directory.littleEndian16();
    directory.littleEndian16();  // disk
    directory.littleEndian16();  // internal attributes
    directory.littleEndian32();  // external attributes
    entry.localHeaderOffset = directory.littleEndian32();
    entry.name = directory.bytes(nameBytes);
    const std::string_view extra = directory.bytes(extraBytes);
    directory.bytes(commentBytes);
    return directory.ok() && readZip64Extra(extra, entry);
}

}  // namespace

bool readZipDirectory(ArchiveFile& file, ZipDirectory& directory, std::string& problem) {
    DirectoryPlace place;
    if (!findEnd(file, place)) {
        problem = std::string(zipTexts::kNotAZip) + zipTexts::kZipNoEnd;
        return false;
    }
    if (!readZip64End(file, place)) {
        problem = std::string(zipTexts::kNotAZip) + zipTexts::kZipDamagedDirectory;
        return false;
    }
    if (!place.oneDisk) {
        problem = std::string(zipTexts::kNotAZip) + zipTexts::kZipSeveralDisks;
        return false;
    }
    if (place.offset > place.end || place.size > place.end - place.offset) {
        problem = std::string(zipTexts::kNotAZip) + zipTexts::kZipDirectoryOutside;
        return false;
    }
    // The size is bounded by the file's, which is really there to be read.
    std::string bytes(static_cast<std::size_t>(place.size), '\0');
    if (!file.readAt(place.offset, bytes.data(), bytes.size())) {
        problem = std::string(zipTexts::kNotAZip) + zipTexts::kUnreadable;
        return false;
    }
    ByteReader fields(bytes);
    directory.entries.clear();
    directory.entries.reserve(std::min<std::uint64_t>(place.entries, bytes.size() / kEntryBytes));
    // Without zip64 records the count has 16 bits, and writers let it wrap past 65,535 (or
    // stop at 65,535): then the directory's extent, not the count, says where it ends.
    const bool countWraps = !place.zip64 && place.size >= 0x10000 * kEntryBytes;
    while (countWraps ? fields.remaining() > 0 : directory.entries.size() < place.entries) {
        ZipEntry entry;
        if (!readEntry(fields, entry)) {
            problem = std::string(zipTexts::kNotAZip) + zipTexts::kZipDamagedDirectory;
            return false;
        }
        directory.entries.push_back(std::move(entry));
    }
    if (countWraps && directory.entries.size() % 0x10000 != place.entries &&
        place.entries != 0xFFFF) {
        problem = std::string(zipTexts::kNotAZip) + zipTexts::kZipDamagedDirectory;
        return false;
    }
    directory.dataEnd = place.offset;
    return true;
}

bool openZipDirectory(const std::string& path, ZipDirectory& directory, std::string& problem) {
    ArchiveFile file;
    if (!file.open(path)) {
        problem = std::string(zipTexts::kNotAZip) + file.lastError();
        return false;
    }
    return readZipDirectory(file, directory, problem);
}
