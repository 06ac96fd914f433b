// Reading an input text file: the header part with its markers, then one route per line.

#include "core/CoreTexts.h"
#include "core/FieldReader.h"
#include "core/FileSystem.h"
#include "core/InputFormat.h"
#include "core/InputLines.h"
#include "core/MessageFormat.h"
#include "core/RouteDatabase.h"
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

// Reads the header part; false when the text ended inside it.
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

std::vector<std::string> reversed(const std::vector<std::string>& list) {
    return std::vector<std::string>(list.rbegin(), list.rend());
}

class LineParser {
public:
    LineParser(RouteDatabase& database, std::string_view line) : db_(database), line_(line) {}

    // Reads the line into a route; false when it has no up station.
    bool parseInto(Route& route) {
        std::string_view cursor = line_;
        route.name = field(cursor).text;
        route.start.station = field(cursor).text;
        route.start.firstBus = field(cursor).text;
        route.start.lastBus = field(cursor).text;
        route.terminal.station = field(cursor).text;
        route.terminal.firstBus = field(cursor).text;
        route.terminal.lastBus = field(cursor).text;
        route.lineType = field(cursor).text;
        splitStations(field(cursor).text, route.upStations);

        const Field down = field(cursor);
        splitStations(down.text, route.downStations);
        if ((down.text == kDownReversed && route.downStations.size() < 2) ||
            route.downStations == route.upStations) {
            route.downStations = reversed(route.upStations);
        }
        if (down.text == kDownNone || down.text.empty()) {
            route.downStations.clear();
        }

        if (route.upStations.empty()) {
            db_.log(LogLevel::Error, coreTexts::kUpStationsEmpty);
            db_.log(LogLevel::Info, std::string(line_));
            return false;
        }
        warnIfEndsDiffer(route);
        if (down.endedAtDelimiter) {
            route.extraInfo = field(cursor).text;
        }
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

    void warnIfEndsDiffer(const Route& route) {
        const auto& up = route.upStations;
        const auto& down = route.downStations;
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

}  // namespace

void RouteDatabase::beginParse(const std::string& path) {
    clearRoutes();
    log(LogLevel::Info, coreTexts::kLoadingResourceFile);
    inputPath = path;
}

bool RouteDatabase::parse(const std::string& path) {
    beginParse(path);
    std::string content;
    if (!fileSystem->readFile(path, content)) {
        log(LogLevel::Error, coreTexts::kInputFileNotFound);
        return false;
    }
    return parseContent(content);
}

bool RouteDatabase::parseText(const std::string& path, std::string_view gbkText) {
    beginParse(path);
    return parseContent(gbkText);
}

bool RouteDatabase::parseContent(std::string_view content) {
    InputLines lines(content);
    if (readHeaderPart(lines, header)) {
        std::string_view piece;
        while (lines.next(piece)) {
            const std::string_view line = withoutLineFeed(piece);
            if (line.size() < 2) {
                continue;
            }
            auto route = std::make_unique<Route>();
            if (!LineParser(*this, line).parseInto(*route)) {
                return false;
            }
            routes.push_back(std::move(route));
        }
    }
    log(LogLevel::Info, coreTexts::kLoadingFinished);
    return true;
}
