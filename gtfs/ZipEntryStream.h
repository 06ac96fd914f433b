#pragma once

#include <memory>
#include <string>

#include "gtfs/FeedFiles.h"
#include "gtfs/ZipDirectory.h"

// Opens one entry of a zip archive as a stream, stored or deflated, that never holds more
// than a buffer of it. The stream fails on damaged data, a truncated archive, or a CRC-32 or
// size at the end that differs from the directory's. Null, with problem set to why, for an
// entry it cannot read: encrypted, compressed another way, or with a damaged local header.
std::unique_ptr<FeedStream> openZipEntry(const std::string& path, const ZipEntry& entry,
                                         std::uint64_t dataEnd, std::string& problem);
