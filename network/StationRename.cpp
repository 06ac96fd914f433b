#include "network/StationRename.h"

#include <algorithm>

#include "core/FieldReader.h"
#include "core/InputFormat.h"
#include "core/InputHeader.h"
#include "core/InputLines.h"
#include "core/TextConversion.h"
#include "network/FieldNames.h"
#include "network/NetworkTexts.h"

namespace {

// Maps an offset of the text as the lines read it (CRs before LFs taken out) back to the
// file's own bytes. Offsets must be asked for in increasing order.
class SourceOffsets {
public:
    explicit SourceOffsets(std::string_view source) : source_(source) {}

    std::size_t at(std::size_t readOffset) {
        while (read_ < readOffset || droppedCarriageReturn()) {
            if (!droppedCarriageReturn()) {
                ++read_;
            }
            ++sourcePosition_;
        }
        return sourcePosition_;
    }

private:
    bool droppedCarriageReturn() const {
        return sourcePosition_ + 1 < source_.size() && source_[sourcePosition_] == '\r' &&
               source_[sourcePosition_ + 1] == '\n';
    }

    std::string_view source_;
    std::size_t read_ = 0;
    std::size_t sourcePosition_ = 0;
};

struct Replacement {
    std::size_t offset;
    std::size_t length;
};

bool holds(const std::vector<std::string>& list, std::string_view station) {
    return std::find(list.begin(), list.end(), station) != list.end();
}

}  // namespace

std::string stationNameProblem(std::string_view gbkName) {
    if (gbkName.empty()) {
        return networkTexts::kStationNameEmpty;
    }
    if (gbkName.find_first_of(",-") != std::string_view::npos) {
        return networkTexts::kStationNameSeparator;
    }
    if (gbkName.front() == ' ' || gbkName.back() == ' ') {
        return networkTexts::kStationNameEdgeSpace;
    }
    if (std::any_of(gbkName.begin(), gbkName.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; })) {
        return networkTexts::kStationNameControl;
    }
    if (gbkName == kDownReversed || gbkName == kDownNone) {
        return networkTexts::kStationNameKeyword;
    }
    std::string roundTrip;
    std::size_t bad = 0;
    if (!wideToAnsiExact(gbkToUtf16(gbkName), roundTrip, bad) || roundTrip != gbkName) {
        return networkTexts::kStationNameNotGbk;
    }
    return std::string();
}

StationRename renameStationInText(std::string_view text, std::string_view oldName,
                                  std::string_view newName, std::string& renamed) {
    StationRename result;
    std::vector<Replacement> replacements;
    // Everything from a Ctrl-Z on is not read, and so not renamed.
    const std::string_view readable = text.substr(0, text.find('\x1A'));
    InputLines lines(readable);
    DatabaseHeader header;
    if (readHeaderPart(lines, header)) {
        SourceOffsets offsets(readable);
        std::size_t lineNumber = 1;
        std::size_t counted = 0;
        std::size_t pieceStart = lines.offset();
        std::string_view piece;
        while (lines.next(piece)) {
            const std::size_t source = offsets.at(pieceStart);
            pieceStart = lines.offset();
            const std::string_view line = withoutLineFeed(piece);
            if (line.size() < 2) {
                continue;
            }
            RenamedLine touched;
            const auto replace = [&](std::string_view name, const char* field) {
                if (name != oldName) {
                    return;
                }
                replacements.push_back(
                    {source + static_cast<std::size_t>(name.data() - piece.data()), name.size()});
                if (touched.fields.empty() || touched.fields.back() != field) {
                    touched.fields.push_back(field);
                }
            };
            const auto replaceInList = [&](std::string_view field, const char* name) {
                std::vector<std::string_view> stations;
                splitStations(field, stations);
                for (std::string_view station : stations) {
                    result.merged = result.merged || station == newName;
                    replace(station, name);
                }
            };

            std::string_view cursor = line;
            Field fields[fieldNames::kDataLineFieldCount - 1];
            for (Field& field : fields) {
                field = readField(cursor, ',');
            }
            replace(fields[1].text, fieldNames::kStart);
            replace(fields[4].text, fieldNames::kTerminal);
            replaceInList(fields[8].text, fieldNames::kUp);
            const std::string_view down = fields[9].text;
            if (down != kDownReversed && down != kDownNone) {
                replaceInList(down, fieldNames::kDown);
            }
            if (!touched.fields.empty()) {
                lineNumber += static_cast<std::size_t>(
                    std::count(text.begin() + static_cast<std::ptrdiff_t>(counted),
                               text.begin() + static_cast<std::ptrdiff_t>(source), '\n'));
                counted = source;
                touched.lineNumber = lineNumber;
                touched.name = fields[0].text;
                result.lines.push_back(std::move(touched));
            }
        }
    }

    renamed.clear();
    renamed.reserve(text.size() + replacements.size() * newName.size());
    std::size_t copied = 0;
    for (const Replacement& replacement : replacements) {
        renamed.append(text.substr(copied, replacement.offset - copied));
        renamed.append(newName);
        copied = replacement.offset + replacement.length;
    }
    renamed.append(text.substr(copied));
    return result;
}

StationRename renameStationInRoutes(RouteDatabase& database, const std::string& oldName,
                                    const std::string& newName) {
    StationRename result;
    for (const auto& route : database.routes) {
        result.merged = result.merged || holds(route->upStations, newName) ||
                        holds(route->downStations, newName);
    }
    for (const auto& route : database.routes) {
        RenamedLine touched{0, route->name, {}};
        const auto replace = [&](std::string& name, const char* field) {
            if (name == oldName) {
                name = newName;
                touched.fields.push_back(field);
            }
        };
        const auto replaceInList = [&](std::vector<std::string>& list, const char* field) {
            if (holds(list, oldName)) {
                std::replace(list.begin(), list.end(), oldName, newName);
                touched.fields.push_back(field);
            }
        };
        replace(route->start.station, fieldNames::kStart);
        replace(route->terminal.station, fieldNames::kTerminal);
        replaceInList(route->upStations, fieldNames::kUp);
        replaceInList(route->downStations, fieldNames::kDown);
        if (!touched.fields.empty()) {
            result.lines.push_back(std::move(touched));
        }
    }
    return result;
}
