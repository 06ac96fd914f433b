// lint of an input text: the header's markers and each data line's fields as the parser reads
// them, then the checks of the routes those lines make.

#include <algorithm>
#include <string>

#include "core/FieldReader.h"
#include "core/InputFormat.h"
#include "core/InputLines.h"
#include "core/MessageFormat.h"
#include "core/TextConversion.h"
#include "network/FieldNames.h"
#include "network/Lint.h"
#include "network/LintChecks.h"
#include "network/NetworkTexts.h"

namespace {

constexpr char kFullWidthComma[] = "，";
constexpr char kFullWidthHyphen[] = "－";

// The pieces of the text with the number of the line each stands on; a line longer than the
// reader's buffer comes in several pieces of one number.
class NumberedLines {
public:
    explicit NumberedLines(std::string_view text) : lines_(text) {}

    bool next(std::string_view& piece, std::size_t& line) {
        if (!lines_.next(piece)) {
            return false;
        }
        line = nextLine_;
        if (!piece.empty() && piece.back() == '\n') {
            ++nextLine_;
        }
        return true;
    }

private:
    InputLines lines_;
    std::size_t nextLine_ = 1;
};

// Finds marker at the start of a GBK character only, as the parser does.
std::size_t findAtCharacterStart(std::string_view line, std::string_view marker) {
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line.compare(i, marker.size(), marker) == 0) {
            return i;
        }
        if (isGbkLeadByte(static_cast<unsigned char>(line[i]))) {
            ++i;
        }
    }
    return std::string_view::npos;
}

std::size_t countAtCharacterStart(std::string_view line, std::string_view mark) {
    std::size_t count = 0;
    for (std::size_t at = findAtCharacterStart(line, mark); at != std::string_view::npos;
         at = findAtCharacterStart(line, mark)) {
        ++count;
        line.remove_prefix(at + mark.size());
    }
    return count;
}

struct Marker {
    const char* text;
    const char* field;
};
constexpr Marker kMarkers[] = {{"[city]", fieldNames::kCity},
                               {"[date]", fieldNames::kDate},
                               {"[author]", fieldNames::kAuthor},
                               {"[memo]", fieldNames::kMemo}};
constexpr char kEndMarker[] = "[datasection]";

// The header field a marker line sets, in the parser's order, or null when it ends the header.
const Marker* markerOf(std::string_view line) {
    if (line.find(kMarkers[0].text) != std::string_view::npos) {
        return &kMarkers[0];
    }
    for (const Marker& marker : kMarkers) {
        if (findAtCharacterStart(line, marker.text) != std::string_view::npos) {
            return &marker;
        }
    }
    return nullptr;
}

std::string asciiLower(std::string_view text) {
    std::string lower(text);
    for (std::size_t i = 0; i < lower.size(); ++i) {
        if (isGbkLeadByte(static_cast<unsigned char>(lower[i]))) {
            ++i;
        } else if (lower[i] >= 'A' && lower[i] <= 'Z') {
            lower[i] = static_cast<char>(lower[i] - 'A' + 'a');
        }
    }
    return lower;
}

// A marker line that ends the header part: quiet for the end marker, a notice when it is a
// marker in other letter case or no marker at all.
void checkHeaderEnd(std::string_view line, std::size_t number, LintNotices& notices) {
    if (findAtCharacterStart(line, kEndMarker) != std::string_view::npos) {
        return;
    }
    const std::string lower = asciiLower(line);
    for (const Marker& marker : kMarkers) {
        const std::size_t at = findAtCharacterStart(lower, marker.text);
        if (at != std::string_view::npos) {
            const std::string_view typed = line.substr(at, std::string_view(marker.text).size());
            notices.addAtLine(LintSeverity::Warning, "header_marker", number, "", marker.field,
                              formatMessage(networkTexts::kMarkerCase, {typed, marker.text}),
                              {std::string(typed)});
            return;
        }
    }
    const std::size_t at = findAtCharacterStart(lower, kEndMarker);
    if (at != std::string_view::npos) {
        const std::string_view typed = line.substr(at, std::string_view(kEndMarker).size());
        notices.addAtLine(LintSeverity::Warning, "header_marker", number, "", "",
                          formatMessage(networkTexts::kMarkerCase, {typed, kEndMarker}),
                          {std::string(typed)});
        return;
    }
    notices.addAtLine(LintSeverity::Warning, "header_marker", number, "", "",
                      formatMessage(networkTexts::kUnknownMarker, {line}), {std::string(line)});
}

// Reads the header part as the parser does; false when the text ended inside it.
bool checkHeaderPart(NumberedLines& lines, LintNotices& notices) {
    std::string_view line;
    std::size_t number = 0;
    while (true) {
        do {
            if (!lines.next(line, number)) {
                return false;
            }
            line = withoutLineFeed(line);
        } while (line.empty() || line.front() != '[');

        while (true) {
            const Marker* marker = markerOf(line);
            if (marker == nullptr) {
                checkHeaderEnd(line, number, notices);
                return true;
            }
            std::string_view value;
            std::size_t valueNumber = 0;
            if (!lines.next(value, valueNumber)) {
                notices.addAtLine(LintSeverity::Warning, "header_marker", number, "", marker->field,
                                  formatMessage(networkTexts::kMarkerValueAtEnd, {marker->text}),
                                  {marker->text});
                return false;
            }
            if (value.empty() || value.front() != '[') {
                break;
            }
            notices.addAtLine(LintSeverity::Warning, "header_marker", number, "", marker->field,
                              formatMessage(networkTexts::kMarkerValueMissing,
                                            {marker->text, withoutLineFeed(value)}),
                              {marker->text, std::string(withoutLineFeed(value))});
            line = withoutLineFeed(value);
            number = valueNumber;
        }
    }
}

void checkFieldCount(std::string_view line, std::size_t number, LintNotices& notices) {
    const std::size_t fields = std::count(line.begin(), line.end(), ',') + 1;
    if (fields == fieldNames::kDataLineFieldCount) {
        return;
    }
    const std::size_t count = fieldNames::kDataLineFieldCount;
    std::string detail = formatMessage(networkTexts::kFieldCount, {std::to_string(fields)});
    const std::size_t commas = countAtCharacterStart(line, kFullWidthComma);
    const std::size_t hyphens = countAtCharacterStart(line, kFullWidthHyphen);
    if (commas > 0 && fields + commas == count) {
        detail += networkTexts::kFullWidthComma;
    } else if (hyphens > 0 && (fields + hyphens == count || fields + commas + hyphens == count)) {
        if (commas > 0) {
            detail += networkTexts::kFullWidthComma;
        }
        detail += networkTexts::kFullWidthHyphen;
    }
    const char* field = fields < count ? fieldNames::kDataLine[fields] : fieldNames::kExtra;
    std::string_view cursor = line;
    notices.addAtLine(LintSeverity::Warning, "field_count", number, readField(cursor, ',').text,
                      field, std::move(detail), {std::to_string(fields)});
}

bool hasEmptyStation(std::string_view list) {
    return list.front() == '-' || list.back() == '-' || list.find("--") != std::string_view::npos;
}

}  // namespace

std::vector<LintNotice> lintInputText(const std::string& path, std::string_view gbkText) {
    LintNotices notices(path);
    NumberedLines lines(gbkText);
    std::vector<LintedRoute> routes;
    if (checkHeaderPart(lines, notices)) {
        std::string_view piece;
        std::size_t number = 0;
        while (lines.next(piece, number)) {
            const std::string_view line = withoutLineFeed(piece);
            if (line.size() < 2) {
                continue;
            }
            checkFieldCount(line, number, notices);
            LintedRoute route;
            route.line = number;
            route.position = routes.size() + 1;
            std::string_view cursor = line;
            std::string_view* const texts[] = {
                &route.name,     &route.start,         &route.startFirst,  &route.startLast,
                &route.terminal, &route.terminalFirst, &route.terminalLast};
            for (std::string_view* text : texts) {
                *text = readField(cursor, ',').text;
            }
            readField(cursor, ',');  // the line type, which nothing checks
            const std::string_view upText = readField(cursor, ',').text;
            const std::string_view downText = readField(cursor, ',').text;
            splitStations(upText, route.up);
            if (route.up.empty()) {
                notices.addAtLine(LintSeverity::Error, "no_up_stations", number, route.name,
                                  fieldNames::kUp, networkTexts::kNoUpStations, {});
                continue;
            }
            if (hasEmptyStation(upText)) {
                notices.add(LintSeverity::Warning, "empty_station", route, kDirectionUp,
                            fieldNames::kUp, formatMessage(networkTexts::kEmptyStation, {upText}),
                            {});
            }
            splitStations(downText, route.down);
            if ((downText == kDownReversed && route.down.size() < 2) || route.down == route.up) {
                route.down.assign(route.up.rbegin(), route.up.rend());
            }
            if (downText == kDownNone || downText.empty()) {
                route.down.clear();
            }
            route.ownDownList =
                !route.down.empty() && !std::equal(route.down.begin(), route.down.end(),
                                                   route.up.rbegin(), route.up.rend());
            if (!route.down.empty() && hasEmptyStation(downText)) {
                notices.add(LintSeverity::Warning, "empty_station", route, kDirectionDown,
                            fieldNames::kDown,
                            formatMessage(networkTexts::kEmptyStation, {downText}),
                            {fieldNames::kDown});
            }
            routes.push_back(std::move(route));
        }
    }
    checkNetwork(routes, notices);
    return notices.take();
}
