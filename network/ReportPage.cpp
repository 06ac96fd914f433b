#include "network/ReportPage.h"

#include <nlohmann/json.hpp>

#include "core/TextConversion.h"
#include "network/ReportAssets.h"

namespace {

constexpr char kGeneratorMark[] = "<meta name=\"generator\" content=\"velorin\">";

std::string trimmed(const std::string& gbk) {
    const std::size_t end = gbk.find_last_not_of(" \t\r\n");
    return end == std::string::npos ? std::string() : gbkToUtf8(gbk.substr(0, end + 1));
}

nlohmann::ordered_json stationList(const TransitNetwork& network,
                                   const std::vector<std::string>& names) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const std::string& name : names) {
        list.push_back(network.findStation(name));
    }
    return list;
}

nlohmann::ordered_json networkData(const RouteDatabase& database, const TransitNetwork& network,
                                   const std::vector<LintNotice>& notices) {
    nlohmann::ordered_json stations = nlohmann::ordered_json::array();
    for (int s = 0; s < network.stationCount(); ++s) {
        stations.push_back(gbkToUtf8(network.stationName(s)));
    }
    // The rank of each line's name in byte order, which the browser cannot work out from UTF-16.
    std::vector<int> ranks(database.routes.size(), 0);
    for (const TransitNetwork::Trip& trip : network.trips()) {
        ranks[trip.route] = trip.nameRank;
    }
    nlohmann::ordered_json lines = nlohmann::ordered_json::array();
    for (std::size_t r = 0; r < database.routes.size(); ++r) {
        const Route& route = *database.routes[r];
        lines.push_back({{"name", gbkToUtf8(route.name)},
                         {"rank", ranks[r]},
                         {"type", gbkToUtf8(route.lineType)},
                         {"extra", gbkToUtf8(route.extraInfo)},
                         {"upFirst", gbkToUtf8(route.start.firstBus)},
                         {"upLast", gbkToUtf8(route.start.lastBus)},
                         {"downFirst", gbkToUtf8(route.terminal.firstBus)},
                         {"downLast", gbkToUtf8(route.terminal.lastBus)},
                         {"up", stationList(network, route.upStations)},
                         {"down", stationList(network, route.downStations)}});
    }
    nlohmann::ordered_json found = nlohmann::ordered_json::array();
    for (const LintNotice& notice : notices) {
        std::string place =
            notice.placedByLine() ? std::to_string(notice.line) : gbkToUtf8(notice.route);
        if (!notice.placedByLine() && !notice.direction.empty()) {
            place += " " + notice.direction;
        }
        found.push_back({{"severity", severityName(notice.severity)},
                         {"kind", notice.kind},
                         {"place", place},
                         {"text", notice.kind + ": " + gbkToUtf8(notice.detail)}});
    }
    const DatabaseHeader& header = database.header;
    return {{"city", trimmed(header.city)},
            {"date", trimmed(header.date)},
            {"author", trimmed(header.author)},
            {"memo", trimmed(header.memo)},
            {"stations", stations},
            {"lines", lines},
            {"notices", found}};
}

// Text that goes inside an HTML element: nothing in it may end the element early.
std::string escapedHtml(const std::string& text) {
    std::string out;
    for (char c : text) {
        out += c == '<' ? "&lt;" : c == '>' ? "&gt;" : c == '&' ? "&amp;" : std::string(1, c);
    }
    return out;
}

// Replaces the first marker at or after from, and returns where the text put in ends, so that
// the next marker is looked for after it: a marker inside a filled-in text stays as it is.
std::size_t replaceNext(std::string& page, std::size_t from, const std::string& marker,
                        const std::string& value) {
    const std::size_t at = page.find(marker, from);
    if (at == std::string::npos) {
        return from;
    }
    page.replace(at, marker.size(), value);
    return at + value.size();
}

}  // namespace

std::string reportPage(const RouteDatabase& database, const TransitNetwork& network,
                       const std::vector<LintNotice>& notices) {
    std::string data = networkData(database, network, notices)
                           .dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
    // "</" would end the script element that holds the data.
    for (std::size_t at = data.find("</"); at != std::string::npos; at = data.find("</", at)) {
        data.replace(at, 2, "<\\/");
    }
    std::string page(reportAssets::page_html);
    // The markers in the order the page holds them.
    std::size_t at = 0;
    at = replaceNext(page, at, "@TITLE@", escapedHtml(trimmed(database.header.city)));
    at = replaceNext(page, at, "@STYLE@", std::string(reportAssets::page_css));
    at = replaceNext(page, at, "@DATA@", data);
    replaceNext(page, at, "@SCRIPT@", std::string(reportAssets::page_js));
    return page;
}

bool isReportPage(const std::string& bytes) {
    return bytes.substr(0, 512).find(kGeneratorMark) != std::string::npos;
}
