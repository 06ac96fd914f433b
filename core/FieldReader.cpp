#include "core/FieldReader.h"

#include <algorithm>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

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
    // "-" is never the second byte of a GBK character, so every "-" byte ends a piece. Names
    // are a few bytes long: finding the dashes sixteen bytes at a time costs less than a
    // search call per name.
    const char* const bytes = field.data();
    std::size_t start = 0;
    const auto endPiece = [&](std::size_t end) {
        if (end > start) {
            list.emplace_back(bytes + start, end - start);
        }
        start = end + 1;
    };
    std::size_t i = 0;
#ifdef __SSE2__
    const __m128i dash = _mm_set1_epi8('-');
    for (; i + 16 <= field.size(); i += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + i));
        for (unsigned dashes =
                 static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, dash)));
             dashes != 0; dashes &= dashes - 1) {
            endPiece(i + static_cast<std::size_t>(__builtin_ctz(dashes)));
        }
    }
#endif
    for (; i < field.size(); ++i) {
        if (bytes[i] == '-') {
            endPiece(i);
        }
    }
    endPiece(field.size());
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
