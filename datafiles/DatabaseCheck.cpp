#include "datafiles/DatabaseCheck.h"

#include <algorithm>

#include "core/ByteReader.h"
#include "core/DataFiles.h"
#include "core/DataFormat.h"
#include "core/FileSystem.h"
#include "core/MessageFormat.h"
#include "core/TextConversion.h"
#include "datafiles/DataFilesTexts.h"
#include "datafiles/HeaderReader.h"
#include "datafiles/TripPairing.h"

namespace {

namespace text = dataFilesTexts;

std::string number(std::size_t n) {
    return std::to_string(n);
}

std::string joinNumbers(const std::vector<int>& numbers) {
    std::string out;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        out += (i == 0 ? "" : " ") + std::to_string(numbers[i]);
    }
    return out;
}

// Notes whether readHeaderTexts found its markers.
class WarningFlag : public LogSink {
public:
    void log(LogLevel level, const char* /*message*/) override {
        warned = warned || level == LogLevel::Warning;
    }
    bool warned = false;
};

// A record of s.i or t.i: its name, where it is and the offset it holds.
struct IndexRecord {
    std::string name;
    std::size_t at = 0;
    std::size_t offsetAt = 0;
    int offset = 0;
};

class Checker {
public:
    explicit Checker(const DataFileSource& source) : source_(source) {}

    CheckReport run() {
        checkReadme();
        const bool stations = readIndex(dataFiles::kStationIndex, text::kStationCount,
                                        text::kStationRecord, stations_);
        const bool trips =
            readIndex(dataFiles::kTripIndex, text::kTripCount, text::kTripRecord, trips_);
        if (trips) {
            checkTripStations();
        }
        if (stations && trips) {
            checkStationTrips();
        }
        if (stations) {
            checkNameOrder();
        }
        report_.stations = stations_.size();
        report_.trips = trips_.size();
        std::vector<std::string> tripNames;
        for (const IndexRecord& trip : trips_) {
            tripNames.push_back(trip.name.substr(0, trip.name.find(',')));
        }
        report_.lines = groupTripsIntoLines(tripNames).size();
        return std::move(report_);
    }

private:
    void problem(const char* file, std::size_t offset, std::string what) {
        report_.problems.push_back({file, offset, std::move(what)});
    }

    bool open(const char* name, std::string& content) {
        if (!source_(name, content)) {
            problem(name, 0, text::kCheckMissing);
            return false;
        }
        return true;
    }

    // Reads a number of width bytes at the reader's position; false when the file ends first.
    bool readNumber(ByteReader& in, const char* file, const char* what, std::size_t width,
                    int& value) {
        const std::size_t at = in.position();
        const std::string_view bytes = in.bytes(width);
        if (!in.ok()) {
            problem(file, at, formatMessage(text::kCheckPastEnd, {what, number(in.size())}));
            return false;
        }
        value = decodeNumber(bytes);
        const bool high = std::any_of(bytes.begin(), bytes.end(),
                                      [](char b) { return static_cast<unsigned char>(b) >= 0x80; });
        if (high) {
            problem(file, at, formatMessage(text::kCheckHighByte, {what}));
        }
        return true;
    }

    void checkReadme() {
        std::string readme;
        if (!open(dataFiles::kReadme, readme)) {
            return;
        }
        if (readme.compare(0, 2, "\xFF\xFE") != 0) {
            problem(dataFiles::kReadme, 0, text::kCheckNoByteOrderMark);
        }
        DatabaseHeader header;
        WarningFlag flag;
        readHeaderTexts(readme, header, flag);
        if (flag.warned) {
            problem(dataFiles::kReadme, 0, text::kCheckReadmeMarkers);
        }
    }

    // Reads s.i or t.i: the count, then each record's counted text and offset.
    bool readIndex(const char* file, const char* countName, const char* recordName,
                   std::vector<IndexRecord>& records) {
        std::string content;
        if (!open(file, content)) {
            return false;
        }
        ByteReader in(content);
        int count = 0;
        if (!readNumber(in, file, countName, kTwoByteNumberBytes, count)) {
            return false;
        }
        for (int n = 0; n < count; ++n) {
            IndexRecord record;
            record.at = in.position();
            int length = 0;
            if (!readNumber(in, file, text::kTextLength, kTwoByteNumberBytes, length)) {
                return false;
            }
            if (length % 2 != 0) {
                problem(file, record.at,
                        formatMessage(text::kCheckOddLength, {text::kTextLength, number(length)}));
            }
            const std::string_view wide = in.bytes(static_cast<std::size_t>(length));
            record.offsetAt = in.position();
            if (!in.ok()) {
                problem(file, record.at,
                        formatMessage(text::kCheckPastEnd, {recordName, number(in.size())}));
                return false;
            }
            record.name = utf16ToGbk(utf16leToWide(wide));
            if (!readNumber(in, file, recordName, kThreeByteOffsetBytes, record.offset)) {
                return false;
            }
            records.push_back(std::move(record));
        }
        if (in.remaining() != 0) {
            problem(file, in.position(),
                    formatMessage(text::kCheckTrailing, {number(in.remaining())}));
        }
        return true;
    }

    // Checks s.d or t.d against the offsets of its index: the length header, and each record
    // at its offset, right after the one before. Calls readList for each record in range.
    // False when the file is missing or a list runs past its end.
    template <typename ReadList>
    bool checkListFile(const char* file, const char* indexFile,
                       const std::vector<IndexRecord>& records, ReadList readList) {
        std::string content;
        if (!open(file, content)) {
            return false;
        }
        ByteReader header(content);
        int length = 0;
        if (!readNumber(header, file, text::kLengthHeader, kLengthHeaderBytes, length)) {
            return false;
        }
        if (static_cast<std::size_t>(length) != content.size() - kLengthHeaderBytes) {
            problem(file, 0,
                    formatMessage(text::kCheckHeaderLength,
                                  {number(length), number(content.size() - kLengthHeaderBytes)}));
        }

        // After a record whose offset points nowhere, the next record's place is unknown.
        std::size_t expected = kLengthHeaderBytes;
        bool placeKnown = true;
        bool complete = true;
        for (std::size_t n = 0; n < records.size(); ++n) {
            const IndexRecord& record = records[n];
            const auto offset = static_cast<std::size_t>(record.offset);
            if (offset < kLengthHeaderBytes || offset + 2 > content.size()) {
                problem(indexFile, record.offsetAt,
                        formatMessage(text::kCheckOffsetOutside,
                                      {number(n), number(offset), file, number(content.size())}));
                placeKnown = false;
                complete = false;
                continue;
            }
            if (placeKnown && offset != expected) {
                problem(indexFile, record.offsetAt,
                        formatMessage(text::kCheckOffset,
                                      {number(n), number(offset), number(expected)}));
            }
            ByteReader in(content, offset);
            if (!readList(n, in)) {
                return false;
            }
            expected = in.position();
            placeKnown = true;
        }
        if (placeKnown && expected < content.size()) {
            problem(file, expected,
                    formatMessage(text::kCheckTrailing, {number(content.size() - expected)}));
        }
        return complete;
    }

    // Reads a list of two-byte numbers; false when it runs past the end of the file.
    bool readNumberList(ByteReader& in, const char* file, const char* listName,
                        std::vector<int>& numbers) {
        const std::size_t at = in.position();
        int length = 0;
        if (!readNumber(in, file, text::kListLength, kTwoByteNumberBytes, length)) {
            return false;
        }
        if (length % 2 != 0) {
            problem(file, at,
                    formatMessage(text::kCheckOddLength, {text::kListLength, number(length)}));
        }
        if (in.remaining() < static_cast<std::size_t>(length / 2 * 2)) {
            problem(file, at, formatMessage(text::kCheckPastEnd, {listName, number(in.size())}));
            return false;
        }
        numbers.resize(static_cast<std::size_t>(length / 2));
        for (int& n : numbers) {
            readNumber(in, file, listName, kTwoByteNumberBytes, n);
        }
        in.bytes(static_cast<std::size_t>(length % 2));
        return true;
    }

    void checkTripStations() {
        stopsAt_.assign(stations_.size(), {});
        tripStationsRead_ = checkListFile(
            dataFiles::kTripStations, dataFiles::kTripIndex, trips_,
            [&](std::size_t trip, ByteReader& in) {
                const std::size_t listAt = in.position();
                std::vector<int> list;
                if (!readNumberList(in, dataFiles::kTripStations, text::kStationList, list)) {
                    return false;
                }
                for (std::size_t i = 0; i < list.size(); ++i) {
                    const auto station = static_cast<std::size_t>(list[i]);
                    if (station >= stations_.size()) {
                        problem(
                            dataFiles::kTripStations, listAt + 2 + 2 * i,
                            formatMessage(text::kCheckStationNumber, {number(trip), number(station),
                                                                      number(stations_.size())}));
                        continue;
                    }
                    std::vector<int>& trips = stopsAt_[station];
                    if (trips.empty() || trips.back() != static_cast<int>(trip)) {
                        trips.push_back(static_cast<int>(trip));
                    }
                }
                return true;
            });
    }

    void checkStationTrips() {
        checkListFile(
            dataFiles::kStationTrips, dataFiles::kStationIndex, stations_,
            [&](std::size_t station, ByteReader& in) {
                const std::size_t listAt = in.position();
                std::vector<int> list;
                if (!readNumberList(in, dataFiles::kStationTrips, text::kTripList, list)) {
                    return false;
                }
                for (std::size_t i = 0; i < list.size(); ++i) {
                    if (static_cast<std::size_t>(list[i]) >= trips_.size()) {
                        problem(
                            dataFiles::kStationTrips, listAt + 2 + 2 * i,
                            formatMessage(text::kCheckTripNumber, {number(station), number(list[i]),
                                                                   number(trips_.size())}));
                    }
                    if (i > 0 && list[i] <= list[i - 1]) {
                        problem(dataFiles::kStationTrips, listAt + 2 + 2 * i,
                                formatMessage(text::kCheckNotAscending, {number(station)}));
                    }
                }
                if (tripStationsRead_ && list != stopsAt_[station]) {
                    problem(
                        dataFiles::kStationTrips, listAt,
                        formatMessage(text::kCheckTripsDiffer, {number(station), joinNumbers(list),
                                                                joinNumbers(stopsAt_[station])}));
                }
                return true;
            });
    }

    void checkNameOrder() {
        for (std::size_t n = 1; n < stations_.size(); ++n) {
            if (!(stations_[n - 1].name < stations_[n].name)) {
                problem(dataFiles::kStationIndex, stations_[n].at,
                        formatMessage(text::kCheckNameOrder, {number(n), stations_[n].name}));
            }
        }
    }

    const DataFileSource& source_;
    CheckReport report_;
    std::vector<IndexRecord> stations_;
    std::vector<IndexRecord> trips_;
    std::vector<std::vector<int>> stopsAt_;  // for each station, the trips that stop there
    bool tripStationsRead_ = false;          // stopsAt_ is complete
};

}  // namespace

CheckReport checkDataFiles(const DataFileSource& source) {
    return Checker(source).run();
}

CheckReport checkDatabaseDirectory(const std::string& directory) {
    return checkDataFiles([&](const char* name, std::string& content) {
        return realFileSystem().readFile(dataFiles::pathIn(directory, name), content);
    });
}
