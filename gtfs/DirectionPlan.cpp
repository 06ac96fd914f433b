#include "gtfs/DirectionPlan.h"

#include <map>
#include <unordered_map>

namespace {

// Picks the most frequent sequence of the trips; ties go to the longer, then the earlier.
std::int32_t mostFrequentSequence(const FeedModel& model, const std::vector<std::uint32_t>& trips) {
    std::map<std::int32_t, std::size_t> counts;
    for (const std::uint32_t trip : trips) {
        ++counts[model.trips[trip].sequence];
    }
    std::int32_t best = -1;
    std::size_t bestCount = 0;
    for (const auto& [sequence, count] : counts) {
        const bool better = best < 0 || count > bestCount ||
                            (count == bestCount && model.sequences.stops(sequence).size() >
                                                       model.sequences.stops(best).size());
        if (better) {
            best = sequence;
            bestCount = count;
        }
    }
    return best;
}

// Whether sequence b runs the other way from a: the stations they share come in b mostly in
// the reverse of their order in a; without two shared stations, b starts where a ends or
// ends where a starts.
class Orientation {
public:
    Orientation(const FeedModel& model, std::int32_t reference) : model_(model) {
        const auto& stops = model.sequences.stops(reference);
        for (std::size_t i = 0; i < stops.size(); ++i) {
            positions_.emplace(station(stops[i]), i);
        }
        first_ = station(stops.front());
        last_ = station(stops.back());
    }

    bool opposite(std::int32_t sequence) const {
        const auto& stops = model_.sequences.stops(sequence);
        std::size_t forward = 0;
        std::size_t backward = 0;
        bool havePrevious = false;
        std::size_t previous = 0;
        for (const std::uint32_t stop : stops) {
            const auto found = positions_.find(station(stop));
            if (found == positions_.end()) {
                continue;
            }
            if (havePrevious && found->second != previous) {
                ++(found->second > previous ? forward : backward);
            }
            previous = found->second;
            havePrevious = true;
        }
        if (forward + backward > 0) {
            return backward > forward;
        }
        return station(stops.front()) == last_ || station(stops.back()) == first_;
    }

private:
    std::uint32_t station(std::uint32_t stop) const { return model_.stops[stop].station; }

    const FeedModel& model_;
    std::unordered_map<std::uint32_t, std::size_t> positions_;
    std::uint32_t first_ = 0;
    std::uint32_t last_ = 0;
};

DirectionPlan planBySequence(const FeedModel& model, const std::vector<std::uint32_t>& trips) {
    DirectionPlan plan;
    const std::int32_t up = mostFrequentSequence(model, trips);
    const Orientation orientation(model, up);
    for (const std::uint32_t trip : trips) {
        const std::int32_t sequence = model.trips[trip].sequence;
        const bool down = sequence != up && orientation.opposite(sequence);
        (down ? plan.down : plan.up).trips.push_back(trip);
    }
    return plan;
}

}  // namespace

DirectionPlan planDirections(const FeedModel& model, const std::vector<std::uint32_t>& trips) {
    bool allHaveDirection = true;
    for (const std::uint32_t trip : trips) {
        allHaveDirection = allHaveDirection && model.trips[trip].direction >= 0;
    }
    DirectionPlan plan;
    if (!allHaveDirection) {
        plan = planBySequence(model, trips);
    } else {
        for (const std::uint32_t trip : trips) {
            (model.trips[trip].direction == 0 ? plan.up : plan.down).trips.push_back(trip);
        }
    }
    if (plan.up.empty()) {
        std::swap(plan.up, plan.down);
    }
    for (Direction* direction : {&plan.up, &plan.down}) {
        if (!direction->empty()) {
            direction->sequence = mostFrequentSequence(model, direction->trips);
        }
    }
    return plan;
}
