#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "gtfs/zip/ZipDirectory.h"

// One entry of a zip archive read as a stream, stored or deflated, that never holds more
// than a buffer of it. The stream fails on damaged data, a truncated archive, or a CRC-32 or
// size at the end that differs from the directory's.
class ZipEntryStream {
public:
    virtual ~ZipEntryStream() = default;
    // Reads up to size bytes; 0 at the end of the entry or after a failure.
    virtual std::size_t read(char* buffer, std::size_t size) = 0;
    // True once a read has failed (as opposed to reaching the end).
    virtual bool failed() const = 0;
    // Why the read failed.
    virtual std::string problem() const = 0;
};

// Opens one entry of the archive at path. Null, with problem set to why, for an entry it
// cannot read: encrypted, compressed another way, or with a damaged local header.
std::unique_ptr<ZipEntryStream> openZipEntry(const std::string& path, const ZipEntry& entry,
                                             std::uint64_t dataEnd, std::string& problem);
