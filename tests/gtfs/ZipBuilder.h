#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Writes small zip archives for the tests, deflating with zlib. Each archive ends in a
// comment that holds an end record's signature, as a reader searching backwards meets it.

struct ZipMember {
    std::string name;
    std::string content;
    // 0 stored, 8 deflated; any other method is written stored, under its number.
    std::uint16_t method = 8;
    std::uint16_t flags = 0;
};

// With zip64, the directory ends in zip64 records and every size and offset of an entry is
// in a zip64 extra field.
std::string zipArchive(const std::vector<ZipMember>& members, bool zip64 = false);
