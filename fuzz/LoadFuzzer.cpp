// Loads the data files cut from one input; the loader must neither crash nor read outside
// its buffers, a failed load must leave no routes, and what it loads must be written and
// loaded again without damage.

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "datafiles/Loader.h"
#include "fuzz/FuzzInput.h"
#include "fuzz/GeneratedFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const FuzzedFiles files =
        splitFuzzInput(std::string_view(reinterpret_cast<const char*>(data), size));
    RouteDatabase database;
    const bool loaded = loadDatabase(database, "fuzz", fuzzedFileSource(files));
    if (loaded && !generatedFilesLoad(database)) {
        std::abort();
    }
    if (!loaded && !database.routes.empty()) {
        std::abort();
    }
    return 0;
}
