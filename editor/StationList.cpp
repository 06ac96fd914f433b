#include "editor/StationList.h"

#include "core/FieldReader.h"

std::vector<std::string> parseStationText(std::string_view text) {
    std::vector<std::string> stations;
    splitStations(text, stations);
    return stations;
}
