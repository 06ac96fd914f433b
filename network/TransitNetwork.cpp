#include "network/TransitNetwork.h"

#include <algorithm>
#include <map>

#include "network/StationNameFolding.h"

TransitNetwork::TransitNetwork(const std::vector<const Route*>& routes) : routes_(routes) {
    // Stations are numbered first as they come, with one hash lookup a stop, then renumbered in
    // byte order of their names once all are known.
    std::vector<std::string_view> seenNames;
    std::map<std::string_view, int> nameRanks;
    for (const Route* route : routes_) {
        nameRanks.emplace(route->name, 0);
    }
    int rank = 0;
    for (auto& entry : nameRanks) {
        entry.second = rank++;
    }
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
                const auto seen = numbers_.try_emplace(name, static_cast<int>(seenNames.size()));
                if (seen.second) {
                    seenNames.push_back(name);
                }
                trip.stations.push_back(seen.first->second);
            }
            trips_.push_back(std::move(trip));
        }
    }

    std::vector<int> order(seenNames.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        order[i] = static_cast<int>(i);
    }
    // string_view compares bytes unsigned, as the data files order their stations.
    std::sort(order.begin(), order.end(),
              [&seenNames](int a, int b) { return seenNames[a] < seenNames[b]; });
    std::vector<int> numberInOrder(order.size());
    names_.reserve(order.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        numberInOrder[order[i]] = static_cast<int>(i);
        names_.emplace_back(seenNames[order[i]]);
    }
    for (auto& entry : numbers_) {
        entry.second = numberInOrder[entry.second];
    }

    std::vector<std::size_t> visitCounts(names_.size(), 0);
    for (Trip& trip : trips_) {
        for (int& station : trip.stations) {
            station = numberInOrder[station];
            ++visitCounts[station];
        }
    }
    visits_.resize(names_.size());
    for (std::size_t station = 0; station < visits_.size(); ++station) {
        visits_[station].reserve(visitCounts[station]);
    }
    for (std::size_t t = 0; t < trips_.size(); ++t) {
        const std::vector<int>& stations = trips_[t].stations;
        for (std::size_t position = 0; position < stations.size(); ++position) {
            visits_[stations[position]].push_back(
                {static_cast<int>(t), static_cast<int>(position)});
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
    const std::u16string wanted = foldStationNameWide(name);
    std::vector<std::string> alike;
    std::vector<std::string> containing;
    if (wanted.empty()) {
        return alike;
    }
    for (const std::string& station : names_) {
        const std::u16string folded = foldStationNameWide(station);
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
