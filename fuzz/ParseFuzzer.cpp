// Parses one input as an input text file; the parser must neither crash nor read outside its
// buffers, and the files written from what it parsed must load again without damage.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/RouteDatabase.h"
#include "fuzz/GeneratedFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    RouteDatabase database;
    const bool parsed =
        database.parseText("fuzz.txt", std::string_view(reinterpret_cast<const char*>(data), size));
    if (parsed && !generatedFilesLoad(database)) {
        std::abort();
    }
    return 0;
}
