// Prints how long parse and generate take apart, and a whole conversion the way velorin-cli
// and the main window do it, on a synthetic city at the limits of the data files and on any
// input files given on the command line.
//
// usage: velorin-bench [--runs N] [--write-synthetic FILE] [INPUT_TXT...]

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench/SyntheticCity.h"
#include "core/RouteDatabase.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

class CountingLog : public LogSink {
public:
    void log(LogLevel level, const char*) override { ++counts[static_cast<int>(level)]; }
    int counts[3] = {};
};

struct Figures {
    std::vector<double> milliseconds;
    void add(Clock::duration d) {
        milliseconds.push_back(std::chrono::duration<double, std::milli>(d).count());
    }
    double min() const { return *std::min_element(milliseconds.begin(), milliseconds.end()); }
    double median() const {
        std::vector<double> sorted = milliseconds;
        std::sort(sorted.begin(), sorted.end());
        return sorted[sorted.size() / 2];
    }
};

template <typename Work>
Figures measure(int runs, Work work) {
    Figures figures;
    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        work();
        figures.add(Clock::now() - start);
    }
    return figures;
}

void benchmark(const std::string& label, const std::string& input, const fs::path& outDir,
               int runs) {
    CountingLog log;
    RouteDatabase db;
    db.logSink = &log;
    const Figures parse = measure(runs, [&] { db.parse(input); });
    std::size_t stops = 0;
    for (const auto& route : db.routes) {
        stops += route->upStations.size() + route->downStations.size();
    }
    const std::size_t routes = db.routes.size();
    const Figures generate = measure(runs, [&] { db.generate(outDir.string()); });
    log = CountingLog();
    const Figures convert = measure(runs, [&] { db.convert(input, outDir.string()); });

    std::printf("%s: %zu lines, %zu stops, input %ju bytes, s.d %ju bytes, t.d %ju bytes\n",
                label.c_str(), routes, stops, static_cast<std::uintmax_t>(fs::file_size(input)),
                static_cast<std::uintmax_t>(fs::file_size(outDir / "s.d")),
                static_cast<std::uintmax_t>(fs::file_size(outDir / "t.d")));
    std::printf("  messages of one conversion: %d errors, %d warnings, %d information\n",
                log.counts[0] / runs, log.counts[1] / runs, log.counts[2] / runs);
    for (const auto& [name, figures] :
         {std::pair{"parse   ", &parse}, std::pair{"generate", &generate},
          std::pair{"convert ", &convert}}) {
        std::printf("  %s  min %8.2f ms   median %8.2f ms   (%d runs)\n", name, figures->min(),
                    figures->median(), runs);
    }
}

}  // namespace

int main(int argc, char** argv) {
    int runs = 10;
    std::vector<std::string> inputs;
    std::string writeSynthetic;
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        if (word == "--runs" && i + 1 < argc) {
            runs = std::max(1, std::atoi(argv[++i]));
        } else if (word == "--write-synthetic" && i + 1 < argc) {
            writeSynthetic = argv[++i];
        } else {
            inputs.push_back(word);
        }
    }

    const fs::path work = fs::temp_directory_path() / "velorin-bench";
    fs::create_directories(work / "out");
    const std::string synthetic = (work / "synthetic.txt").string();
    {
        std::ofstream out(synthetic, std::ios::binary);
        out << syntheticCityText({}, 2026);
    }
    if (!writeSynthetic.empty()) {
        fs::copy_file(synthetic, writeSynthetic, fs::copy_options::overwrite_existing);
    }
    benchmark("synthetic city (16000 stations, 4000 lines x 2 x 60 stops)", synthetic, work / "out",
              runs);
    for (const std::string& input : inputs) {
        benchmark(input, input, work / "out", runs);
    }
    fs::remove_all(work);
    return 0;
}
