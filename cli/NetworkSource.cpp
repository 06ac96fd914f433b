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

// Passes every message on, and remembers whether one was an error.
class ErrorWatch : public LogSink {
public:
    explicit ErrorWatch(LogSink& next) : next_(next) {}
    void log(LogLevel level, const char* message) override {
        errorLogged_ = errorLogged_ || level == LogLevel::Error;
        next_.log(level, message);
    }
    bool errorLogged() const { return errorLogged_; }

private:
    LogSink& next_;
    bool errorLogged_ = false;
};

bool readSource(const std::string& path, RouteDatabase& database, LogSink& log) {
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

}  // namespace

bool isInputTextPath(const std::string& path) {
    std::string content;
    return realFileSystem().exists(path) && realFileSystem().readFile(path, content);
}

// The loader goes on past a damaged station number, dropping it; such a network is not what
// the phone shows, and a command that wrote it back would lose the station for good.
bool loadNetwork(const std::string& path, RouteDatabase& database, LogSink& log) {
    ErrorWatch watch(log);
    database.logSink = &watch;
    const bool read = readSource(path, database, watch);
    database.logSink = &log;
    return read && !watch.errorLogged();
}
