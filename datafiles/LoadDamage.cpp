#include "datafiles/LoadDamage.h"

#include "core/MessageFormat.h"
#include "datafiles/DataFilesTexts.h"

void reportDamage(LogSink& log, const char* file, std::size_t offset, const std::string& reason) {
    log.log(LogLevel::Error,
            formatMessage(dataFilesTexts::kFileDamaged, {file, std::to_string(offset), reason})
                .c_str());
}

std::string negativeCount(int count) {
    return formatMessage(dataFilesTexts::kNegativeCount, {std::to_string(count)});
}

std::string negativeLength(int length) {
    return formatMessage(dataFilesTexts::kNegativeLength, {std::to_string(length)});
}

std::string pastEnd(std::size_t neededEnd, std::size_t fileLength) {
    return formatMessage(dataFilesTexts::kPastEnd,
                         {std::to_string(neededEnd), std::to_string(fileLength)});
}

std::string offsetOutside(int offset, std::size_t fileLength) {
    return formatMessage(dataFilesTexts::kOffsetOutside,
                         {std::to_string(offset), std::to_string(fileLength)});
}
