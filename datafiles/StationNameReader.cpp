#include "datafiles/StationNameReader.h"

#include "core/ByteReader.h"
#include "core/DataFiles.h"
#include "core/DataFormat.h"
#include "datafiles/LoadDamage.h"
#include "datafiles/RecordDecoding.h"

bool readStationNames(std::string_view stationIndex, std::vector<std::string>& names,
                      LogSink& log) {
    ByteReader in(stationIndex);
    auto damaged = [&](std::size_t offset, const std::string& reason) {
        reportDamage(log, dataFiles::kStationIndex, offset, reason);
        return false;
    };

    const int count = in.signedTwoByteNumber();
    if (!in.ok()) {
        return damaged(0, pastEnd(2, in.size()));
    }
    if (count < 0) {
        return damaged(0, negativeCount(count));
    }
    names.clear();
    names.reserve(static_cast<std::size_t>(count));
    for (int n = 0; n < count; ++n) {
        const std::size_t record = in.position();
        const int length = in.signedTwoByteNumber();
        if (!in.ok()) {
            return damaged(record, pastEnd(record + 2, in.size()));
        }
        if (length < 0) {
            return damaged(record, negativeLength(length));
        }
        const std::string_view text = in.bytes(static_cast<std::size_t>(length));
        in.bytes(kThreeByteOffsetBytes);
        if (!in.ok()) {
            return damaged(record, pastEnd(record + 2 + length + kThreeByteOffsetBytes, in.size()));
        }
        names.push_back(recordTextToAnsi(text, 2 * static_cast<std::size_t>(length)));
    }
    return true;
}
