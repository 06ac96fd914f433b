#include "datafiles/RecordDecoding.h"

#include <vector>

#include "core/TextConversion.h"

std::string recordTextToAnsi(std::string_view utf16le, std::size_t capacity) {
    std::vector<char16_t> units(utf16le.size() / 2 + 1, u'\0');
    for (std::size_t i = 0; i + 1 < utf16le.size(); i += 2) {
        units[i / 2] = static_cast<char16_t>(static_cast<unsigned char>(utf16le[i]) |
                                             static_cast<unsigned char>(utf16le[i + 1]) << 8);
    }
    std::vector<char> buffer(capacity + 1, '\0');
    WideToAnsi(units.data(), buffer.data(), capacity);
    return std::string(buffer.data());
}
