#pragma once

#include <string>
#include <vector>

// All texts are GBK byte strings; equality is byte equality, order is unsigned byte order.

// One end of a bus line: its station and the first and last bus leaving it, as typed.
struct RouteEnd {
    std::string station;
    std::string firstBus;
    std::string lastBus;
};

// One bus line. An empty downStations means the line runs in one direction only.
struct Route {
    std::string name;
    RouteEnd start;
    RouteEnd terminal;
    std::string lineType;
    std::string extraInfo;
    std::vector<std::string> upStations;
    std::vector<std::string> downStations;

    bool hasDownDirection() const { return !downStations.empty(); }
};

// The four header texts of a data set.
struct DatabaseHeader {
    std::string city;
    std::string date;
    std::string memo;
    std::string author;
};
