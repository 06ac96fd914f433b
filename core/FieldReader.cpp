#include "core/FieldReader.h"

#include <algorithm>

Field readField(std::string_view& cursor, char delimiter) {
    Field field;
    const std::size_t start = cursor.find_first_not_of(' ');
    cursor.remove_prefix(start == std::string_view::npos ? cursor.size() : start);

    const std::size_t end = cursor.find(delimiter);
    std::string_view text = cursor.substr(0, end);
    if (end == std::string_view::npos) {
        cursor.remove_prefix(cursor.size());
    } else {
        cursor.remove_prefix(end + 1);
        field.endedAtDelimiter = true;
    }

    const std::size_t last = text.find_last_not_of(' ');
    text = text.substr(0, last == std::string_view::npos ? 0 : last + 1);
    if (text.size() > kMaxFieldBytes) {
        text = text.substr(0, kMaxFieldBytes);
        field.truncated = true;
    }
    field.text = text;
    return field;
}

void splitStations(std::string_view field, std::vector<std::string_view>& list) {
    while (!field.empty()) {
        const std::size_t dash = field.find('-');
        const std::string_view piece = field.substr(0, dash);
        if (!piece.empty()) {
            list.push_back(piece);
        }
        field.remove_prefix(dash == std::string_view::npos ? field.size() : dash + 1);
    }
}

void splitStations(std::string_view field, std::vector<std::string>& list) {
    std::vector<std::string_view> pieces;
    splitStations(field, pieces);
    list.insert(list.end(), pieces.begin(), pieces.end());
}

std::string joinStations(const std::vector<std::string>& stations) {
    std::string text;
    for (std::size_t i = 0; i < stations.size(); ++i) {
        if (i > 0) {
            text += '-';
        }
        text += stations[i];
    }
    return text;
}
