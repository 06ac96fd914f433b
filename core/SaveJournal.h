#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The journal of a save: the names, lengths and checksums of the new files, ended by a line
// of its own so that a journal cut short by a crash is never taken for a complete one.
struct SaveJournal {
    struct File {
        std::string name;
        std::size_t length = 0;
        std::uint32_t checksum = 0;
    };
    std::vector<File> files;

    std::string text() const;
    // False unless the text is a whole journal naming only data files.
    bool read(std::string_view text);
};

// FNV-1a over the bytes: enough to tell a whole new file from a previous or a cut one.
std::uint32_t fileChecksum(std::string_view bytes);

// Whether bytes are the file that the journal entry describes.
bool matches(const SaveJournal::File& file, std::string_view bytes);
