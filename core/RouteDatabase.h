#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/FileSystem.h"
#include "core/InputDecoding.h"
#include "core/LogSink.h"
#include "core/Route.h"

class RouteTable;

// The one database of the program: the routes and header texts of a city, filled by parse()
// or load(), written by generate(). Every operation reports through log(), which forwards to
// logSink when one is set.
class RouteDatabase : public LogSink {
public:
    LogSink* logSink = nullptr;
    // Where the files are read and written; a test puts a failing one here.
    FileSystem* fileSystem = &realFileSystem();
    // How parse() and convert() read the input's bytes.
    InputEncoding inputEncoding = InputEncoding::Detect;
    std::string inputPath;
    std::string outputDir;
    std::vector<std::unique_ptr<Route>> routes;
    DatabaseHeader header;

    // Reads an input text file; false when it cannot be opened or a line has no up stations.
    bool parse(const std::string& path);
    // The same, for text already in memory; path is only remembered as inputPath.
    bool parseText(const std::string& path, std::string_view gbkText);

    // Reads an input text file and writes its data files into directory, with the messages and
    // results of parse() and then generate(), but without keeping the routes: the converter's
    // hot path, which works on views into the text. An input without any data line is an
    // error and writes nothing.
    bool convert(const std::string& path, const std::string& directory);
    bool convertText(const std::string& path, std::string_view gbkText,
                     const std::string& directory);

    // Writes the five data files into directory (empty: the stored outputDir). True when all
    // five were written; otherwise the files there are left as they were. A route that the
    // parser could never have read (no up station, an empty station name) writes nothing.
    bool generate(const std::string& directory);

    // Reads a directory of data files back. Defined in datafiles/ with the rest of the loader:
    // a program that loads links velorin_datafiles.
    bool load(const std::string& databaseDir);

    void clearRoutes();

    void log(LogLevel level, const char* message) override;
    void log(LogLevel level, const std::string& message) { log(level, message.c_str()); }

private:
    void beginParse(const std::string& path);
    bool readInput(const std::string& path, std::string& content);
    bool parseContent(std::string_view content);
    bool convertContent(std::string_view content, const std::string& directory);
    bool writeDataFiles(const RouteTable& table, const std::string& directory);
};
