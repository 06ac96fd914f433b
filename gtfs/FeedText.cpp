#include "gtfs/FeedText.h"

#include "core/TextConversion.h"
#include "gtfs/CharacterSubstitutes.h"
#include "gtfs/GtfsTexts.h"
#include "gtfs/NoticeText.h"

namespace {

constexpr char32_t kReplacementCharacter = 0xFFFD;

// The next code point of a UTF-8 text; a byte that does not start a valid sequence is
// consumed alone and yields U+FFFD.
char32_t nextCodePoint(std::string_view text, std::size_t& pos) {
    const auto byte = static_cast<unsigned char>(text[pos++]);
    if (byte < 0x80) {
        return byte;
    }
    int length = 0;
    char32_t point = 0;
    char32_t smallest = 0;
    if ((byte & 0xE0) == 0xC0) {
        length = 1, point = byte & 0x1F, smallest = 0x80;
    } else if ((byte & 0xF0) == 0xE0) {
        length = 2, point = byte & 0x0F, smallest = 0x800;
    } else if ((byte & 0xF8) == 0xF0) {
        length = 3, point = byte & 0x07, smallest = 0x10000;
    } else {
        return kReplacementCharacter;
    }
    if (pos + static_cast<std::size_t>(length) > text.size()) {
        return kReplacementCharacter;
    }
    for (int i = 0; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[pos + static_cast<std::size_t>(i)]);
        if ((next & 0xC0) != 0x80) {
            return kReplacementCharacter;
        }
        point = (point << 6) | (next & 0x3F);
    }
    pos += static_cast<std::size_t>(length);
    if (point < smallest || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF)) {
        return kReplacementCharacter;
    }
    return point;
}

std::u16string utf16Of(char32_t point) {
    if (point < 0x10000) {
        return std::u16string(1, static_cast<char16_t>(point));
    }
    point -= 0x10000;
    return {static_cast<char16_t>(0xD800 + (point >> 10)),
            static_cast<char16_t>(0xDC00 + (point & 0x3FF))};
}

}  // namespace

std::string_view trimSpaces(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    return text;
}

std::string feedTextToGbk(std::string_view utf8, TextRole role, const TextPlace& place,
                          ImportReport& report) {
    utf8 = trimSpaces(utf8);
    std::string gbk;
    // The substitutions met, each reported once per text: its notice kind and reason.
    std::pair<const char*, const char*> met[8] = {};
    std::size_t metCount = 0;
    auto replace = [&](const char* substitute, const char* kind, const char* reason) {
        gbk += substitute;
        for (std::size_t i = 0; i < metCount; ++i) {
            if (met[i].second == reason) {
                return;
            }
        }
        met[metCount++] = {kind, reason};
    };
    auto replaceSeparator = [&](const char* substitute, const char* reason) {
        replace(substitute, gtfsTexts::kReplacedCharacter, reason);
    };

    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const char32_t point = nextCodePoint(utf8, pos);
        if (point == ',' && role != TextRole::HeaderValue) {
            replaceSeparator("，", gtfsTexts::kCommaReason);
        } else if (point == '-' && role == TextRole::Station) {
            replaceSeparator("－", gtfsTexts::kDashReason);
        } else if (point == '[' && gbk.empty() && role == TextRole::HeaderValue) {
            replaceSeparator("［", gtfsTexts::kBracketReason);
        } else if ((point < 0x20 && point != '\t') || point == 0x7F) {
            replaceSeparator(" ", gtfsTexts::kLineBreakReason);
        } else if (point < 0x80) {
            gbk += static_cast<char>(point);
        } else {
            std::string converted;
            std::size_t badIndex = 0;
            const bool exact = point != kReplacementCharacter &&
                               wideToAnsiExact(utf16Of(point), converted, badIndex);
            if (exact) {
                gbk += converted;
            } else if (const char* letter = baseLetterOf(point)) {
                replace(letter, gtfsTexts::kTransliteratedLetter, gtfsTexts::kDiacriticReason);
            } else if (const char* symbol = symbolSubstituteOf(point)) {
                replace(symbol, gtfsTexts::kSubstitutedSymbol, gtfsTexts::kSymbolReason);
            } else {
                replace("?", gtfsTexts::kUnrepresentableCharacter, gtfsTexts::kNotGbkReason);
            }
        }
    }
    if (metCount > 0) {
        const std::string written = gbkToUtf8(gbk);
        for (std::size_t i = 0; i < metCount; ++i) {
            report.add(NoticeSeverity::Warning, met[i].first, place.file, place.row, place.field,
                       noticeText(gtfsTexts::kReplacedDetail,
                                  {std::string(utf8), written, gbkToUtf8(met[i].second)}));
        }
    }
    return gbk;
}
