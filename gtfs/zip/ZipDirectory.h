#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "gtfs/zip/ArchiveFile.h"

// The central directory of a zip archive: what each entry is called, how it is stored and
// where its local header lies.

struct ZipEntry {
    std::string name;  // with the folders inside the archive, as in "folder/name.txt"
    std::uint16_t flags = 0;
    std::uint16_t method = 0;
    std::uint32_t crc = 0;
    std::uint64_t compressedSize = 0;
    std::uint64_t size = 0;
    std::uint64_t localHeaderOffset = 0;
};

struct ZipDirectory {
    std::vector<ZipEntry> entries;
    // Where the central directory begins: every entry's header and data lie before it.
    std::uint64_t dataEnd = 0;
};

// Reads the directory from the end of the archive, zip64 records included. On failure
// returns false and sets problem to why.
bool readZipDirectory(ArchiveFile& file, ZipDirectory& directory, std::string& problem);

// Opens the archive at path (on Windows an ANSI path) and reads its directory. On failure
// returns false and sets problem to why, beginning with zipTexts::kNotAZip.
bool openZipDirectory(const std::string& path, ZipDirectory& directory, std::string& problem);
