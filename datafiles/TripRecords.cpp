#include "datafiles/TripRecords.h"

#include <algorithm>

#include "core/ByteReader.h"
#include "core/DataFiles.h"
#include "core/DataFormat.h"
#include "core/MessageFormat.h"
#include "core/TextConversion.h"
#include "datafiles/DataFilesTexts.h"
#include "datafiles/LoadDamage.h"
#include "datafiles/RecordDecoding.h"

namespace {

// The first bytes of text up to limit, cut before a double-byte character that would not fit
// whole, so that no lone lead byte is left to swallow the comma after it when the text is
// written again.
std::string_view cutToCharacters(std::string_view text, std::size_t limit) {
    std::size_t end = 0;
    while (end < text.size()) {
        const std::size_t width = isGbkLeadByte(static_cast<unsigned char>(text[end])) ? 2 : 1;
        if (end + width > limit) {
            break;
        }
        end += width;
    }
    return text.substr(0, std::min(end, text.size()));
}

// Splits the trip text at every "," into its five fields by position; false when it holds more.
bool splitTripText(std::string_view text, TripRecord& record) {
    std::string* fields[] = {&record.name, &record.firstBus, &record.lastBus, &record.lineType,
                             &record.extraInfo};
    for (std::string* field : fields) {
        const std::size_t comma = text.find(',');
        field->assign(text.substr(0, comma));
        text.remove_prefix(comma == std::string_view::npos ? text.size() : comma + 1);
        if (comma == std::string_view::npos) {
            return true;
        }
    }
    return false;  // a comma after the fifth field
}

class TripIndexReader {
public:
    TripIndexReader(std::string_view tripIndex, std::string_view tripStations,
                    const std::vector<std::string>& stationNames, LogSink& log)
        : in_(tripIndex), tripStations_(tripStations), stationNames_(stationNames), log_(log) {}

    bool read(std::vector<TripRecord>& records) {
        const int count = in_.signedTwoByteNumber();
        if (!in_.ok()) {
            return damaged(dataFiles::kTripIndex, 0, pastEnd(2, in_.size()));
        }
        if (count < 0) {
            return damaged(dataFiles::kTripIndex, 0, negativeCount(count));
        }
        records.clear();
        records.reserve(static_cast<std::size_t>(count));
        for (int n = 0; n < count; ++n) {
            TripRecord& record = records.emplace_back();
            if (!readRecord(record)) {
                return false;
            }
        }
        return true;
    }

private:
    bool readRecord(TripRecord& record) {
        const std::size_t start = in_.position();
        const int length = in_.signedTwoByteNumber();
        if (!in_.ok()) {
            return damaged(dataFiles::kTripIndex, start, pastEnd(start + 2, in_.size()));
        }
        if (length < 0) {
            return damaged(dataFiles::kTripIndex, start, negativeLength(length));
        }
        const std::string_view wide = in_.bytes(static_cast<std::size_t>(length));
        const std::size_t offsetAt = in_.position();
        const int offset = in_.signedThreeByteOffset();
        if (!in_.ok()) {
            return damaged(dataFiles::kTripIndex, start,
                           pastEnd(start + 2 + length + kThreeByteOffsetBytes, in_.size()));
        }

        std::string text = recordTextToAnsi(wide, static_cast<std::size_t>(length));
        if (text.size() > kMaxTripTextBytes) {
            log_.log(LogLevel::Error, (text + dataFilesTexts::kTripTextTooLong).c_str());
            text = std::string(cutToCharacters(text, kMaxTripTextBytes));
        }
        if (!splitTripText(text, record)) {
            log_.log(LogLevel::Warning,
                     formatMessage(dataFilesTexts::kTripTextExtraFields, {text}).c_str());
        }
        return readStations(offsetAt, offset, record.stations);
    }

    bool readStations(std::size_t offsetAt, int offset, std::vector<std::string>& stations) {
        if (offset < static_cast<int>(kLengthHeaderBytes) ||
            static_cast<std::size_t>(offset) + 2 > tripStations_.size()) {
            return damaged(dataFiles::kTripIndex, offsetAt,
                           offsetOutside(offset, tripStations_.size()));
        }
        const auto start = static_cast<std::size_t>(offset);
        ByteReader list(tripStations_, start);
        const int length = list.signedTwoByteNumber();
        if (length < 0) {
            return damaged(dataFiles::kTripStations, start, negativeLength(length));
        }
        // An odd length leaves its last byte unread.
        const int count = length / 2;
        if (list.remaining() < 2 * static_cast<std::size_t>(count)) {
            return damaged(dataFiles::kTripStations, start,
                           pastEnd(start + 2 + 2 * count, tripStations_.size()));
        }
        for (int i = 0; i < count; ++i) {
            const int station = list.signedTwoByteNumber();
            if (station < 0 || static_cast<std::size_t>(station) >= stationNames_.size()) {
                log_.log(LogLevel::Error, dataFilesTexts::kStationNumberOutOfRange);
                continue;
            }
            stations.push_back(stationNames_[static_cast<std::size_t>(station)]);
        }
        return true;
    }

    bool damaged(const char* file, std::size_t offset, const std::string& reason) {
        reportDamage(log_, file, offset, reason);
        return false;
    }

    ByteReader in_;
    std::string_view tripStations_;
    const std::vector<std::string>& stationNames_;
    LogSink& log_;
};

}  // namespace

bool readTripRecords(std::string_view tripIndex, std::string_view tripStations,
                     const std::vector<std::string>& stationNames, std::vector<TripRecord>& records,
                     LogSink& log) {
    return TripIndexReader(tripIndex, tripStations, stationNames, log).read(records);
}
