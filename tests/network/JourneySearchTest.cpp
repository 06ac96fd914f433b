#include <gtest/gtest.h>

#include "network/JourneySearch.h"
#include "network/StationLines.h"
#include "tests/support/TestSupport.h"

namespace {

// A small city where each rule of the search has a case of its own.
class SmallCity {
public:
    SmallCity() {
        routes_ = {
            makeRoute("L", "A-B-C-D-E-F-G"),  // long, one way only
            makeRoute("S1", "A-X", "X-A"),    // two short hops around it
            makeRoute("S2", "X-G"),
            makeRoute("T1", "P-Q"),  // a chain of three
            makeRoute("T2", "Q-R"),
            makeRoute("T3", "R-S"),
            makeRoute("O", "K-M-N-K-W"),  // a loop with a tail
            makeRoute("9", "C-D"),
            makeRoute("10", "C-D"),
            makeRoute("9", "C-D"),  // the same name twice
            makeRoute("H", "人民广场（东）-人民公园"),
        };
        std::vector<const Route*> pointers;
        for (const Route& route : routes_) {
            pointers.push_back(&route);
        }
        network_ = std::make_unique<TransitNetwork>(pointers);
    }

    const TransitNetwork& network() const { return *network_; }

    // Each journey as "LINE/DIRECTION BOARD>ALIGHT STOPS; ...".
    std::vector<std::string> journeys(const std::string& from, const std::string& to,
                                      std::size_t limit) const {
        std::vector<std::string> texts;
        for (const Journey& journey : findJourneys(network(), network().findStation(from),
                                                   network().findStation(to), limit)) {
            std::string text;
            for (const JourneyLeg& leg : journey.legs) {
                const TransitNetwork::Trip& trip = network().trips()[leg.trip];
                text += (text.empty() ? "" : "; ") + network().route(trip).name +
                        (trip.down ? "/down " : "/up ") + network().stationName(leg.board) + ">" +
                        network().stationName(leg.alight) + " " + std::to_string(leg.stops);
            }
            texts.push_back(text);
        }
        return texts;
    }

private:
    std::vector<Route> routes_;
    std::unique_ptr<TransitNetwork> network_;
};

}  // namespace

TEST(JourneySearch, FollowsThePlanningRules) {
    struct Case {
        const char* what;
        const char* from;
        const char* to;
        std::size_t limit;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"a direct line beats a change with fewer stops",
         "A",
         "G",
         5,
         {"L/up A>G 6", "S1/up A>X 1; S2/up X>G 1"}},
        {"one change", "P", "R", 5, {"T1/up P>Q 1; T2/up Q>R 1"}},
        {"two changes", "P", "S", 5, {"T1/up P>Q 1; T2/up Q>R 1; T3/up R>S 1"}},
        {"a down direction", "X", "A", 5, {"S1/down X>A 1"}},
        {"no down direction, no way back", "G", "A", 5, {}},
        {"no way at all", "A", "P", 5, {}},
        {"the same station", "A", "A", 5, {}},
        {"a loop is boarded where it stops last", "K", "W", 5, {"O/up K>W 1"}},
        {"a loop rides round to its start", "M", "K", 5, {"O/up M>K 2"}},
        {"equal stops: names in byte order, one journey per line name",
         "C",
         "D",
         5,
         {"10/up C>D 1", "9/up C>D 1", "L/up C>D 1"}},
        {"at most the limit", "C", "D", 2, {"10/up C>D 1", "9/up C>D 1"}},
    };
    const SmallCity city;
    for (const Case& c : cases) {
        EXPECT_EQ(city.journeys(c.from, c.to, c.limit), c.expected) << c.what;
    }
}

TEST(JourneySearch, UnknownNamesGetCandidates) {
    const SmallCity city;
    const TransitNetwork& network = city.network();
    EXPECT_EQ(network.findStation("人民广场(东)"), -1);
    EXPECT_EQ(network.candidates("人民广场(东)"), std::vector<std::string>{"人民广场（东）"});
    EXPECT_EQ(network.candidates("人民"), (std::vector<std::string>{"人民公园", "人民广场（东）"}));
    EXPECT_EQ(network.candidates("Ｘ"), std::vector<std::string>{"X"});
    EXPECT_TRUE(network.candidates("").empty());
    EXPECT_EQ(network.candidates("A", 0).size(), 0u);
}

TEST(StationLines, ListEveryStopWithItsNeighbours) {
    const SmallCity city;
    const TransitNetwork& network = city.network();
    std::vector<std::string> seen;
    for (const StationCall& call : stationCalls(network, network.findStation("K"))) {
        const TransitNetwork::Trip& trip = network.trips()[call.trip];
        seen.push_back(network.route(trip).name + " " +
                       (call.previous < 0 ? "-" : network.stationName(call.previous)) + " " +
                       (call.next < 0 ? "-" : network.stationName(call.next)));
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"O - M", "O N W"}));
    // At X: S1 up ends, S1 down starts (its first bus leaves the terminal), S2 starts.
    const auto calls = stationCalls(network, network.findStation("X"));
    ASSERT_EQ(calls.size(), 3u);
    const TransitNetwork::Trip& down = network.trips()[calls[1].trip];
    EXPECT_TRUE(down.down);
    EXPECT_EQ(departureEnd(network, down).firstBus, "6:30");
    EXPECT_EQ(calls[0].next, -1);
}
