// Checks the five data files cut from one input; check must neither crash nor read outside
// its buffers, and files in which it finds no problem must load.

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "datafiles/DatabaseCheck.h"
#include "datafiles/Loader.h"
#include "fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const FuzzedFiles files =
        splitFuzzInput(std::string_view(reinterpret_cast<const char*>(data), size));
    const CheckReport report = checkDataFiles(fuzzedFileSource(files));
    if (report.problems.empty() && report.stations > 0) {
        RouteDatabase database;
        if (!loadDatabase(database, "fuzz", fuzzedFileSource(files))) {
            std::abort();
        }
    }
    return 0;
}
