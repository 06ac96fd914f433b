// Loads the four data files cut from one input; the loader must neither crash nor read
// outside its buffers, and what it loads must be written and loaded again without damage.

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "FuzzInput.h"
#include "GeneratedFiles.h"
#include "Loader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto files = splitFuzzInput(std::string_view(reinterpret_cast<const char*>(data), size));
    RouteDatabase database;
    const bool loaded = loadDatabase(database, "fuzz", [&](const char* name, std::string& content) {
        for (std::size_t i = 0; i < kLoadedFiles.size(); ++i) {
            if (std::string_view(name) == kLoadedFiles[i] && files[i]) {
                content = *files[i];
                return true;
            }
        }
        return false;
    });
    if (loaded && !generatedFilesLoad(database)) {
        std::abort();
    }
    if (!loaded && !database.routes.empty()) {
        std::abort();  // a failed load leaves no routes behind
    }
    return 0;
}
