#include "editor/StationList.h"

#include "core/FieldReader.h"

std::string joinStations(const std::vector<std::string>& stations) {
    std::string text;
    for (std::size_t i = 0; i < stations.size(); ++i) {
        if (i > 0) {
            text += '-';
        }
        text += stations[i];
    }
    return text;
}

std::vector<std::string> parseStationText(std::string_view text) {
    std::vector<std::string> stations;
    splitStations(text, stations);
    return stations;
}
