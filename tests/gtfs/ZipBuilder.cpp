#include "tests/gtfs/ZipBuilder.h"

#include <zlib.h>

namespace {

constexpr std::uint32_t kAll32 = 0xFFFFFFFF;

void put(std::string& out, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out += static_cast<char>(value >> (8 * i) & 0xFF);
    }
}

std::string deflated(const std::string& content) {
    z_stream stream{};
    deflateInit2(&stream, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    std::string out(deflateBound(&stream, content.size()), '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(content.data()));
    stream.avail_in = static_cast<uInt>(content.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    deflate(&stream, Z_FINISH);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    return out;
}

// The fields a local header and its directory entry share: from the version needed to the
// length of the name.
void putSharedFields(std::string& out, const ZipMember& member, std::uint32_t crc,
                     std::uint64_t dataSize, bool zip64) {
    put(out, 20, 2);
    put(out, member.flags, 2);
    put(out, member.method, 2);
    put(out, 0, 4);
    put(out, crc, 4);
    put(out, zip64 ? kAll32 : dataSize, 4);
    put(out, zip64 ? kAll32 : member.content.size(), 4);
    put(out, member.name.size(), 2);
}

}  // namespace

std::string zipArchive(const std::vector<ZipMember>& members, bool zip64) {
    std::string archive;
    std::string directory;
    for (const ZipMember& member : members) {
        const std::string data = member.method == 8 ? deflated(member.content) : member.content;
        const std::uint32_t crc =
            crc32(0, reinterpret_cast<const Bytef*>(member.content.data()), member.content.size());
        const std::uint64_t offset = archive.size();
        std::string extra;
        if (zip64) {
            put(extra, 1, 2);
            put(extra, 24, 2);
            put(extra, member.content.size(), 8);
            put(extra, data.size(), 8);
            put(extra, offset, 8);
        }
        // The local header's extra field is shorter than the directory's: data follows it.
        const std::string localExtra = zip64 ? extra.substr(0, 20) : "";
        put(archive, 0x04034b50, 4);
        putSharedFields(archive, member, crc, data.size(), zip64);
        put(archive, localExtra.size(), 2);
        archive += member.name + localExtra + data;

        put(directory, 0x02014b50, 4);
        put(directory, 20, 2);
        putSharedFields(directory, member, crc, data.size(), zip64);
        put(directory, extra.size(), 2);
        put(directory, 0, 2);
        put(directory, 0, 2);
        put(directory, 0, 2);
        put(directory, 0, 4);
        put(directory, zip64 ? kAll32 : offset, 4);
        directory += member.name + extra;
    }
    const std::uint64_t directoryOffset = archive.size();
    archive += directory;
    if (zip64) {
        const std::uint64_t endOffset = archive.size();
        put(archive, 0x06064b50, 4);
        put(archive, 44, 8);
        put(archive, 45, 2);
        put(archive, 45, 2);
        put(archive, 0, 4);
        put(archive, 0, 4);
        put(archive, members.size(), 8);
        put(archive, members.size(), 8);
        put(archive, directory.size(), 8);
        put(archive, directoryOffset, 8);
        put(archive, 0x07064b50, 4);
        put(archive, 0, 4);
        put(archive, endOffset, 8);
        put(archive, 1, 4);
    }
    const std::string comment = "PK\x05\x06 belongs to this comment, not to an end record";
    put(archive, 0x06054b50, 4);
    put(archive, 0, 2);
    put(archive, 0, 2);
    put(archive, zip64 ? 0xFFFF : members.size(), 2);
    put(archive, zip64 ? 0xFFFF : members.size(), 2);
    put(archive, zip64 ? kAll32 : directory.size(), 4);
    put(archive, zip64 ? kAll32 : directoryOffset, 4);
    put(archive, comment.size(), 2);
    return archive + comment;
}
