#include "datafiles/RecordDecoding.h"

#include <vector>

#include "core/DataFormat.h"
#include "core/TextConversion.h"

std::string recordTextToAnsi(std::string_view utf16le, std::size_t capacity) {
    const std::u16string units = utf16leToWide(utf16le);
    std::vector<char> buffer(capacity + 1, '\0');
    WideToAnsi(units.c_str(), buffer.data(), capacity);
    return std::string(buffer.data());
}
