#include "cli/OutputFile.h"

#include "core/CoreTexts.h"
#include "core/DataFiles.h"
#include "core/FileSystem.h"
#include "core/MessageFormat.h"

bool writeOutputFile(const std::string& path, const std::string& bytes, LogSink& log) {
    return writeOutputFiles({{path, bytes}}, log);
}

bool writeOutputFiles(const std::vector<OutputFile>& files, LogSink& log) {
    FileSystem& fileSystem = realFileSystem();
    auto fail = [&](const std::string& path, std::size_t staged) {
        log.log(LogLevel::Error,
                formatMessage(coreTexts::kCannotWriteFile, {path, fileSystem.lastError()}).c_str());
        for (std::size_t i = 0; i < staged; ++i) {
            fileSystem.removeFile(files[i].path + dataFiles::kStagedSuffix);
        }
        return false;
    };
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (!fileSystem.writeFile(files[i].path + dataFiles::kStagedSuffix, files[i].bytes)) {
            return fail(files[i].path, i + 1);
        }
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (!fileSystem.moveFile(files[i].path + dataFiles::kStagedSuffix, files[i].path)) {
            return fail(files[i].path, files.size());
        }
    }
    return true;
}
