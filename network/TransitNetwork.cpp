#include "network/TransitNetwork.h"

#include <algorithm>
#include <map>

#include "core/TextConversion.h"
#include "network/StationNameFolding.h"

TransitNetwork::TransitNetwork(const std::vector<const Route*>& routes) : routes_(routes) {
    for (const Route* route : routes_) {
        for (const auto* list : {&route->upStations, &route->downStations}) {
            for (const std::string& name : *list) {
                numbers_.emplace(name, 0);
            }
        }
    }
    names_.reserve(numbers_.size());
    for (const auto& entry : numbers_) {
        names_.emplace_back(entry.first);
    }
    std::sort(names_.begin(), names_.end());  // std::string compares bytes unsigned
    numbers_.clear();
    for (std::size_t i = 0; i < names_.size(); ++i) {
        numbers_.emplace(names_[i], static_cast<int>(i));
    }

    std::map<std::string_view, int> nameRanks;
    for (const Route* route : routes_) {
        nameRanks.emplace(route->name, 0);
    }
    int rank = 0;
    for (auto& entry : nameRanks) {
        entry.second = rank++;
    }
    visits_.resize(names_.size());
    for (std::size_t r = 0; r < routes_.size(); ++r) {
        const Route& route = *routes_[r];
        for (bool down : {false, true}) {
            const std::vector<std::string>& list = down ? route.downStations : route.upStations;
            if (list.empty()) {
                continue;
            }
            Trip trip;
            trip.route = static_cast<int>(r);
            trip.down = down;
            trip.nameRank = nameRanks[route.name];
            trip.lineKey = trip.nameRank * 2 + (down ? 1 : 0);
            trip.stations.reserve(list.size());
            for (const std::string& name : list) {
                const int station = numbers_.find(name)->second;
                visits_[station].push_back(
                    {static_cast<int>(trips_.size()), static_cast<int>(trip.stations.size())});
                trip.stations.push_back(station);
            }
            trips_.push_back(std::move(trip));
        }
    }
}

int TransitNetwork::findStation(std::string_view name) const {
    const auto found = numbers_.find(name);
    return found == numbers_.end() ? -1 : found->second;
}

std::vector<std::string> TransitNetwork::candidates(std::string_view name,
                                                    std::size_t limit) const {
    // Compared as UTF-16, so that no match starts inside a GBK character.
    const std::u16string wanted = gbkToUtf16(foldStationName(name));
    std::vector<std::string> alike;
    std::vector<std::string> containing;
    if (wanted.empty()) {
        return alike;
    }
    for (const std::string& station : names_) {
        const std::u16string folded = gbkToUtf16(foldStationName(station));
        if (folded == wanted) {
            alike.push_back(station);
        } else if (folded.find(wanted) != std::u16string::npos) {
            containing.push_back(station);
        }
    }
    alike.insert(alike.end(), containing.begin(), containing.end());
    if (alike.size() > limit) {
        alike.resize(limit);
    }
    return alike;
}
