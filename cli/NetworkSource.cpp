#include "cli/NetworkSource.h"

#include "cli/CliTexts.h"
#include "cli/MemoryFileSystem.h"
#include "core/DataFiles.h"
#include "core/FileSystem.h"
#include "core/InputDecoding.h"
#include "core/MessageFormat.h"
#include "datafiles/Loader.h"

namespace {

// The folder the in-memory conversion writes to; no real path is ever made of it.
constexpr char kMemoryFolder[] = "memory";

bool convertInMemory(const std::string& path, std::string_view bytes, RouteDatabase& database,
                     LogSink& log) {
    DecodedInput decoded;
    if (!decodeInputText(bytes, InputEncoding::Detect, decoded)) {
        log.log(LogLevel::Error, (path + ": " + decoded.problem).c_str());
        return false;
    }
    MemoryFileSystem memory;
    database.fileSystem = &memory;
    const bool loaded =
        database.convertText(path, decoded.gbk, kMemoryFolder) &&
        loadDatabase(database, kMemoryFolder, [&memory](const char* name, std::string& content) {
            return memory.readFile(dataFiles::pathIn(kMemoryFolder, name), content);
        });
    database.fileSystem = &realFileSystem();
    return loaded;
}

}  // namespace

bool isInputTextPath(const std::string& path) {
    std::string content;
    return realFileSystem().exists(path) && realFileSystem().readFile(path, content);
}

bool loadNetwork(const std::string& path, RouteDatabase& database, LogSink& log) {
    database.logSink = &log;
    if (!realFileSystem().exists(path)) {
        log.log(LogLevel::Error, formatMessage(cliTexts::kSourceNotFound, {path}).c_str());
        return false;
    }
    std::string bytes;
    if (realFileSystem().readFile(path, bytes)) {
        return convertInMemory(path, bytes, database, log);
    }
    return openDatabase(database, path);
}
