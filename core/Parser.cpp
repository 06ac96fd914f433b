// Reading an input text file: the header part with its markers, then one route per line.

#include "core/CoreTexts.h"
#include "core/FieldReader.h"
#include "core/FileSystem.h"
#include "core/InputDecoding.h"
#include "core/InputFormat.h"
#include "core/InputHeader.h"
#include "core/InputLines.h"
#include "core/MessageFormat.h"
#include "core/RouteDatabase.h"
#include "core/RouteTable.h"
#include "core/TextConversion.h"

namespace {

// Finds marker in line at the start of a GBK character only, so that the second byte of a
// double-byte character is never taken for "[".
bool containsAtCharacterStart(std::string_view line, std::string_view marker) {
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line.compare(i, marker.size(), marker) == 0) {
            return true;
        }
        if (isGbkLeadByte(static_cast<unsigned char>(line[i]))) {
            ++i;
        }
    }
    return false;
}

// The header field that a marker line sets, or null when the line ends the header part.
std::string* markedField(std::string_view line, DatabaseHeader& header) {
    if (line.find("[city]") != std::string_view::npos) {
        return &header.city;
    }
    if (containsAtCharacterStart(line, "[date]")) {
        return &header.date;
    }
    if (containsAtCharacterStart(line, "[author]")) {
        return &header.author;
    }
    if (containsAtCharacterStart(line, "[memo]")) {
        return &header.memo;
    }
    return nullptr;
}

bool beginsMarkerLine(std::string_view line) {
    return !line.empty() && line.front() == '[';
}

}  // namespace

bool readHeaderPart(InputLines& lines, DatabaseHeader& header) {
    std::string_view line;
    while (true) {
        do {
            if (!lines.next(line)) {
                return false;
            }
            line = withoutLineFeed(line);
        } while (!beginsMarkerLine(line));

        while (true) {
            std::string* field = markedField(line, header);
            if (field == nullptr) {
                return true;
            }
            std::string_view value;
            if (!lines.next(value)) {
                return false;
            }
            field->assign(value);
            if (!beginsMarkerLine(value)) {
                break;
            }
            line = value;
        }
    }
}

namespace {

// The fields of one route line, as views into the line.
struct LineFields {
    std::string_view name;
    std::string_view startStation;
    std::string_view startFirstBus;
    std::string_view startLastBus;
    std::string_view terminalStation;
    std::string_view terminalFirstBus;
    std::string_view terminalLastBus;
    std::string_view lineType;
    std::string_view extraInfo;
    std::vector<std::string_view> upStations;
    std::vector<std::string_view> downStations;

    TripTextParts tripTextParts() const {
        return {name,     startFirstBus, startLastBus,         terminalFirstBus, terminalLastBus,
                lineType, extraInfo,     !downStations.empty()};
    }
};

class LineParser {
public:
    LineParser(RouteDatabase& database, std::string_view line) : db_(database), line_(line) {}

    // Reads the line into fields, whose lists it replaces; false when it has no up station.
    bool parseInto(LineFields& fields) {
        std::string_view cursor = line_;
        fields.name = field(cursor).text;
        fields.startStation = field(cursor).text;
        fields.startFirstBus = field(cursor).text;
        fields.startLastBus = field(cursor).text;
        fields.terminalStation = field(cursor).text;
        fields.terminalFirstBus = field(cursor).text;
        fields.terminalLastBus = field(cursor).text;
        fields.lineType = field(cursor).text;
        auto& up = fields.upStations;
        auto& down = fields.downStations;
        up.clear();
        splitStations(field(cursor).text, up);

        const Field downField = field(cursor);
        down.clear();
        splitStations(downField.text, down);
        if ((downField.text == kDownReversed && down.size() < 2) || down == up) {
            down.assign(up.rbegin(), up.rend());
        }
        if (downField.text == kDownNone || downField.text.empty()) {
            down.clear();
        }

        if (up.empty()) {
            db_.log(LogLevel::Error, coreTexts::kUpStationsEmpty);
            db_.log(LogLevel::Info, std::string(line_));
            return false;
        }
        warnIfEndsDiffer(up, down);
        fields.extraInfo = downField.endedAtDelimiter ? field(cursor).text : std::string_view();
        return true;
    }

private:
    Field field(std::string_view& cursor) {
        Field f = readField(cursor, ',');
        if (f.truncated && !warnedTruncation_) {
            db_.log(LogLevel::Warning, formatMessage(coreTexts::kFieldTruncated, {line_}));
            warnedTruncation_ = true;
        }
        return f;
    }

    void warnIfEndsDiffer(const std::vector<std::string_view>& up,
                          const std::vector<std::string_view>& down) {
        if (down.empty() || (down.front() == up.back() && up.front() == down.back())) {
            return;
        }
        db_.log(LogLevel::Warning,
                formatMessage(coreTexts::kEndsDiffer,
                              {down.front(), up.back(), up.front(), down.back(), line_}));
    }

    RouteDatabase& db_;
    std::string_view line_;
    bool warnedTruncation_ = false;
};

std::unique_ptr<Route> makeRoute(const LineFields& fields) {
    auto route = std::make_unique<Route>();
    route->name = fields.name;
    route->start = {std::string(fields.startStation), std::string(fields.startFirstBus),
                    std::string(fields.startLastBus)};
    route->terminal = {std::string(fields.terminalStation), std::string(fields.terminalFirstBus),
                       std::string(fields.terminalLastBus)};
    route->lineType = fields.lineType;
    route->extraInfo = fields.extraInfo;
    route->upStations.assign(fields.upStations.begin(), fields.upStations.end());
    route->downStations.assign(fields.downStations.begin(), fields.downStations.end());
    return route;
}

// Reads the header part and then every route line, handing each to addRoute; false when a
// line has no up station.
template <typename AddRoute>
bool readRouteLines(RouteDatabase& database, InputLines& lines, AddRoute addRoute) {
    if (readHeaderPart(lines, database.header)) {
        LineFields fields;
        std::string_view piece;
        while (lines.next(piece)) {
            const std::string_view line = withoutLineFeed(piece);
            if (line.size() < 2) {
                continue;
            }
            if (!LineParser(database, line).parseInto(fields)) {
                return false;
            }
            addRoute(fields);
        }
    }
    database.log(LogLevel::Info, coreTexts::kLoadingFinished);
    return true;
}

}  // namespace

void RouteDatabase::beginParse(const std::string& path) {
    clearRoutes();
    log(LogLevel::Info, coreTexts::kLoadingResourceFile);
    inputPath = path;
}

bool RouteDatabase::readInput(const std::string& path, std::string& content) {
    beginParse(path);
    if (!fileSystem->readFile(path, content)) {
        log(LogLevel::Error, coreTexts::kInputFileNotFound);
        return false;
    }
    const InputEncoding encoding =
        inputEncoding == InputEncoding::Detect ? detectInputEncoding(content) : inputEncoding;
    if (encoding == InputEncoding::Gbk) {
        return true;
    }
    DecodedInput decoded;
    if (!decodeInputText(content, encoding, decoded)) {
        log(LogLevel::Error, formatMessage(coreTexts::kInputNotRead, {decoded.problem}));
        return false;
    }
    log(LogLevel::Info, formatMessage(coreTexts::kEncodingRead, {decoded.encodingRead}));
    content = std::move(decoded.gbk);
    return true;
}

bool RouteDatabase::parse(const std::string& path) {
    std::string content;
    return readInput(path, content) && parseContent(content);
}

bool RouteDatabase::parseText(const std::string& path, std::string_view gbkText) {
    beginParse(path);
    return parseContent(gbkText);
}

bool RouteDatabase::parseContent(std::string_view content) {
    InputLines lines(content);
    return readRouteLines(
        *this, lines, [this](const LineFields& fields) { routes.push_back(makeRoute(fields)); });
}

bool RouteDatabase::convert(const std::string& path, const std::string& directory) {
    std::string content;
    return readInput(path, content) && convertContent(content, directory);
}

bool RouteDatabase::convertText(const std::string& path, std::string_view gbkText,
                                const std::string& directory) {
    beginParse(path);
    return convertContent(gbkText, directory);
}

bool RouteDatabase::convertContent(std::string_view content, const std::string& directory) {
    // The table's views point into the lines, which therefore live until the files are written.
    InputLines lines(content);
    RouteTable table;
    if (!readRouteLines(*this, lines, [&table](const LineFields& fields) {
            table.add(fields.tripTextParts(), fields.upStations, fields.downStations);
        })) {
        return false;
    }
    // A wrong file (a guide, a readme, an empty file) must not replace a city by nothing.
    if (table.routeCount() == 0) {
        log(LogLevel::Error, coreTexts::kNoRoutes);
        return false;
    }
    table.numberInByteOrder();
    return writeDataFiles(table, directory);
}
