// lint of a data folder: the routes as loaded, placed by name and direction.

#include <algorithm>

#include "network/Lint.h"
#include "network/LintChecks.h"

std::vector<LintNotice> lintDatabase(const std::string& folder, const RouteDatabase& database) {
    std::vector<LintedRoute> routes;
    routes.reserve(database.routes.size());
    for (const auto& stored : database.routes) {
        LintedRoute route;
        route.position = routes.size() + 1;
        route.name = stored->name;
        route.start = stored->start.station;
        route.startFirst = stored->start.firstBus;
        route.startLast = stored->start.lastBus;
        route.terminal = stored->terminal.station;
        route.terminalFirst = stored->terminal.firstBus;
        route.terminalLast = stored->terminal.lastBus;
        route.up.assign(stored->upStations.begin(), stored->upStations.end());
        route.down.assign(stored->downStations.begin(), stored->downStations.end());
        route.ownDownList = !route.down.empty() && !std::equal(route.down.begin(), route.down.end(),
                                                               route.up.rbegin(), route.up.rend());
        if (route.up.empty()) {
            continue;
        }
        routes.push_back(std::move(route));
    }
    LintNotices notices(folder);
    checkNetwork(routes, notices);
    return notices.take();
}
