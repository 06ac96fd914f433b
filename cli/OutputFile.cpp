#include "cli/OutputFile.h"

#include "core/CoreTexts.h"
#include "core/DataFiles.h"
#include "core/FileSystem.h"
#include "core/MessageFormat.h"

bool writeOutputFile(const std::string& path, const std::string& bytes, LogSink& log) {
    FileSystem& fileSystem = realFileSystem();
    const std::string staged = path + dataFiles::kStagedSuffix;
    if (fileSystem.writeFile(staged, bytes) && fileSystem.moveFile(staged, path)) {
        return true;
    }
    log.log(LogLevel::Error,
            formatMessage(coreTexts::kCannotWriteFile, {path, fileSystem.lastError()}).c_str());
    fileSystem.removeFile(staged);
    return false;
}
