// Writes a synthetic city's input text file, by default the one at the limits of the data
// files, for benchmarks that run the real programs on it.
//
// usage: velorin-synthetic-city OUTPUT_TXT [--lines N] [--stations N] [--stops N]

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "bench/SyntheticCity.h"

int main(int argc, char** argv) {
    SyntheticCitySize size;
    std::string output;
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        int* value = word == "--lines"      ? &size.lines
                     : word == "--stations" ? &size.stations
                     : word == "--stops"    ? &size.stops
                                            : nullptr;
        if (value != nullptr && i + 1 < argc) {
            *value = std::atoi(argv[++i]);
        } else if (value == nullptr && output.empty()) {
            output = word;
        } else {
            output.clear();
            break;
        }
    }
    // The stops of a line are distinct stations, so there must be enough of them.
    if (output.empty() || size.lines < 1 || size.stops < 2 || size.stations < size.stops) {
        std::fprintf(stderr,
                     "usage: velorin-synthetic-city OUTPUT_TXT [--lines N] [--stations N] "
                     "[--stops N]\n");
        return 2;
    }
    std::ofstream out(output, std::ios::binary);
    out << syntheticCityText(size, 2026);
    out.close();
    if (!out) {
        std::fprintf(stderr, "cannot write %s\n", output.c_str());
        return 1;
    }
    return 0;
}
