#include "core/InputTextWriter.h"

#include <algorithm>
#include <string_view>

#include "core/CoreTexts.h"
#include "core/FieldReader.h"
#include "core/InputFormat.h"

namespace {

bool holdsLineEnd(std::string_view text) {
    return text.find_first_of(std::string_view("\n\r\x1A\0", 4)) != std::string_view::npos;
}

bool hasEdgeSpace(std::string_view text) {
    return !text.empty() && (text.front() == ' ' || text.back() == ' ');
}

class LineWriter {
public:
    LineWriter(std::size_t lineNumber, const Route& route, std::vector<InputTextProblem>& problems)
        : lineNumber_(lineNumber), route_(route), problems_(problems) {}

    std::string write() {
        const auto& up = route_.upStations;
        const auto& down = route_.downStations;
        const std::vector<std::string> reversedUp(up.rbegin(), up.rend());

        std::string downField;
        if (down.empty()) {
            downField = kDownNone;
        } else if (down == reversedUp) {
            downField = kDownReversed;
        } else {
            downField = joinStations(down);
            if (down == up) {
                report(coreTexts::kInputTextDownSameOrder);
            }
            if (downField == kDownReversed || downField == kDownNone) {
                report(coreTexts::kInputTextDownKeyword);
            }
        }
        if (up.empty()) {
            report(coreTexts::kInputTextNoUpStations);
        }

        const std::string upField = joinStations(up);
        // Data files do not keep the end stations, so a loaded route takes them from its up list.
        const std::string first = !route_.start.station.empty() ? route_.start.station
                                  : up.empty()                  ? std::string()
                                                                : up.front();
        const std::string last = !route_.terminal.station.empty() ? route_.terminal.station
                                 : up.empty()                     ? std::string()
                                                                  : up.back();
        const std::string_view fields[] = {route_.name,
                                           first,
                                           route_.start.firstBus,
                                           route_.start.lastBus,
                                           last,
                                           route_.terminal.firstBus,
                                           route_.terminal.lastBus,
                                           route_.lineType,
                                           upField,
                                           downField,
                                           route_.extraInfo};
        for (const std::string* text : {&route_.name, &route_.start.firstBus, &route_.start.lastBus,
                                        &route_.terminal.firstBus, &route_.terminal.lastBus,
                                        &route_.lineType, &route_.extraInfo}) {
            checkText(*text);
        }
        checkStations(up);
        if (downField != kDownReversed) {
            checkStations(down);
        }

        std::string line;
        for (std::size_t i = 0; i < std::size(fields); ++i) {
            line += (i == 0 ? "" : ",") + std::string(fields[i]);
            if (fields[i].size() > kMaxFieldBytes) {
                report(coreTexts::kInputTextFieldTooLong);
            }
        }
        if (line.size() > kMaxLineBytes) {
            report(coreTexts::kInputTextLineTooLong);
        }
        return line;
    }

private:
    void checkText(std::string_view text) {
        if (text.find(',') != std::string_view::npos) {
            report(coreTexts::kInputTextComma);
        }
        if (holdsLineEnd(text)) {
            report(coreTexts::kInputTextLineBreak);
        }
        if (hasEdgeSpace(text)) {
            report(coreTexts::kInputTextEdgeSpaces);
        }
    }

    // Spaces inside the list stay; only those at its two ends are trimmed with the field.
    void checkStations(const std::vector<std::string>& stations) {
        for (const std::string& name : stations) {
            if (name.find(',') != std::string::npos) {
                report(coreTexts::kInputTextComma);
            }
            if (name.find('-') != std::string::npos) {
                report(coreTexts::kInputTextDash);
            }
            if (name.empty()) {
                report(coreTexts::kInputTextEmptyStation);
            }
            if (holdsLineEnd(name)) {
                report(coreTexts::kInputTextLineBreak);
            }
        }
        if (!stations.empty() && ((!stations.front().empty() && stations.front().front() == ' ') ||
                                  (!stations.back().empty() && stations.back().back() == ' '))) {
            report(coreTexts::kInputTextEdgeSpaces);
        }
    }

    // Each kind of problem once per line.
    void report(const char* what) {
        const bool known = std::any_of(problems_.begin(), problems_.end(), [&](const auto& p) {
            return p.line == lineNumber_ && p.what == what;
        });
        if (!known) {
            problems_.push_back({lineNumber_, route_.name, what});
        }
    }

    std::size_t lineNumber_;
    const Route& route_;
    std::vector<InputTextProblem>& problems_;
};

}  // namespace

std::string writeInputText(const RouteDatabase& database, std::vector<InputTextProblem>& problems) {
    const DatabaseHeader& header = database.header;
    const std::pair<const char*, const std::string*> sections[] = {{"[city]", &header.city},
                                                                   {"[date]", &header.date},
                                                                   {"[author]", &header.author},
                                                                   {"[memo]", &header.memo}};

    std::string text;
    // Line numbers count the line feeds written so far, those inside values included.
    std::size_t lineFeeds = 0;
    auto append = [&](const std::string& piece) {
        text += piece;
        lineFeeds += static_cast<std::size_t>(std::count(piece.begin(), piece.end(), '\n'));
    };
    for (const auto& [marker, value] : sections) {
        append(std::string(marker) + "\n");
        const std::size_t valueLine = lineFeeds + 1;
        append(*value + "\n");
        // A value is one line, and a line that starts with "[" is read as a marker line.
        if (holdsLineEnd(*value) || (!value->empty() && value->front() == '[')) {
            problems.push_back({valueLine, std::string(), coreTexts::kInputTextHeaderValue});
        }
    }
    append("[datasection]\n");

    for (const auto& route : database.routes) {
        if (route) {
            append(LineWriter(lineFeeds + 1, *route, problems).write() + "\n");
        }
    }
    return text;
}
