#include "tests/core/LiteralGenerator.h"

#include <algorithm>
#include <map>

#include "core/DataFormat.h"
#include "core/TextConversion.h"

namespace {

void appendList(std::string& out, const std::vector<int>& numbers) {
    appendTwoByteNumber(out, static_cast<int>(numbers.size()) * 2);
    for (int n : numbers) {
        appendTwoByteNumber(out, n);
    }
}

void patchHeader(std::string& file) {
    writeThreeByteOffsetAt(file, 0, static_cast<int>(file.size()) - 3);
}

bool listHas(const std::vector<std::string>& list, const std::string& name) {
    return std::find(list.begin(), list.end(), name) != list.end();
}

}  // namespace

LiteralFiles literalGenerate(const std::vector<std::unique_ptr<Route>>& routes) {
    std::map<std::string, int> table;
    for (const auto& route : routes) {
        for (const std::string& name : route->upStations) {
            table.emplace(name, 0);
        }
        for (const std::string& name : route->downStations) {
            table.emplace(name, 0);
        }
    }

    LiteralFiles files;
    files.stationTrips.assign(3, '\0');
    appendTwoByteNumber(files.stationIndex, static_cast<int>(table.size()));
    int stationCounter = 0;
    for (auto& [name, stationNumber] : table) {
        stationNumber = stationCounter++;
        appendCountedText(files.stationIndex, gbkToUtf16(name));
        appendThreeByteOffset(files.stationIndex, static_cast<int>(files.stationTrips.size()));
        std::vector<int> tripList;
        int tripCounter = 0;
        for (const auto& route : routes) {
            if (listHas(route->upStations, name)) {
                tripList.push_back(tripCounter);
            }
            ++tripCounter;
            if (!route->downStations.empty()) {
                if (listHas(route->downStations, name)) {
                    tripList.push_back(tripCounter);
                }
                ++tripCounter;
            }
        }
        appendList(files.stationTrips, tripList);
    }
    patchHeader(files.stationTrips);

    files.tripStations.assign(3, '\0');
    int tripCount = 0;
    for (const auto& route : routes) {
        tripCount += route->downStations.empty() ? 1 : 2;
    }
    appendTwoByteNumber(files.tripIndex, tripCount);
    auto appendTrip = [&](const std::string& text, const std::vector<std::string>& stations) {
        appendCountedText(files.tripIndex, gbkToUtf16(text));
        appendThreeByteOffset(files.tripIndex, static_cast<int>(files.tripStations.size()));
        std::vector<int> numbers;
        for (const std::string& name : stations) {
            numbers.push_back(table.at(name));
        }
        appendList(files.tripStations, numbers);
    };
    for (const auto& route : routes) {
        const bool twoWay = !route->downStations.empty();
        appendTrip(route->name + (twoWay ? "a" : "") + "," + route->start.firstBus + "," +
                       route->start.lastBus + "," + route->lineType + "," + route->extraInfo,
                   route->upStations);
        if (twoWay) {
            appendTrip(route->name + "b," + route->terminal.firstBus + "," +
                           route->terminal.lastBus + "," + route->lineType + "," + route->extraInfo,
                       route->downStations);
        }
    }
    patchHeader(files.tripStations);
    return files;
}
