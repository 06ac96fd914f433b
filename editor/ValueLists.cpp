#include "editor/ValueLists.h"

#include <set>

namespace {

class DistinctValues {
public:
    explicit DistinctValues(std::vector<std::string>& values) : values_(values) {}

    void add(const std::string& value) {
        if (!value.empty() && seen_.insert(value).second) {
            values_.push_back(value);
        }
    }

private:
    std::vector<std::string>& values_;
    std::set<std::string> seen_;
};

}  // namespace

ValueLists collectValueLists(const RouteDatabase& database) {
    ValueLists lists;
    DistinctValues firstBus(lists.firstBus);
    DistinctValues lastBus(lists.lastBus);
    DistinctValues lineTypes(lists.lineTypes);
    for (const auto& route : database.routes) {
        if (!route) {
            continue;
        }
        firstBus.add(route->start.firstBus);
        firstBus.add(route->terminal.firstBus);
        lastBus.add(route->start.lastBus);
        lastBus.add(route->terminal.lastBus);
        lineTypes.add(route->lineType);
    }
    return lists;
}
