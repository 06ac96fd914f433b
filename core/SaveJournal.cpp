#include "core/SaveJournal.h"

#include <cstdio>
#include <cstring>

#include "core/DataFiles.h"
#include "core/Fnv1a.h"

namespace {

constexpr char kFirstLine[] = "velorin save 1";
constexpr char kLastLine[] = "end";

bool isDataFileName(const std::string& name) {
    for (const char* dataFile : dataFiles::kAll) {
        if (name == dataFile) {
            return true;
        }
    }
    return false;
}

// The next line without its line feed; false when no whole line is left.
bool nextLine(std::string_view& text, std::string_view& line) {
    const std::size_t end = text.find('\n');
    if (end == std::string_view::npos) {
        return false;
    }
    line = text.substr(0, end);
    text.remove_prefix(end + 1);
    return true;
}

}  // namespace

std::uint32_t fileChecksum(std::string_view bytes) {
    return fnv1a32(bytes);
}

bool matches(const SaveJournal::File& file, std::string_view bytes) {
    return bytes.size() == file.length && fileChecksum(bytes) == file.checksum;
}

std::string SaveJournal::text() const {
    std::string text = std::string(kFirstLine) + "\n";
    for (const File& file : files) {
        char line[128];
        std::snprintf(line, sizeof line, " %zu %08x\n", file.length,
                      static_cast<unsigned>(file.checksum));
        text += file.name + line;
    }
    return text + kLastLine + "\n";
}

bool SaveJournal::read(std::string_view text) {
    files.clear();
    std::string_view line;
    if (!nextLine(text, line) || line != kFirstLine) {
        return false;
    }
    while (nextLine(text, line)) {
        if (line == kLastLine) {
            return text.empty() && !files.empty();
        }
        char name[32] = {};
        unsigned long long length = 0;
        unsigned checksum = 0;
        char rest = 0;
        const std::string whole(line);
        if (line.size() > 64 ||
            std::sscanf(whole.c_str(), "%31s %llu %8x%c", name, &length, &checksum, &rest) != 3 ||
            !isDataFileName(name)) {
            return false;
        }
        files.push_back({name, static_cast<std::size_t>(length), checksum});
    }
    return false;
}
