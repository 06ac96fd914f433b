#include "datafiles/HeaderReader.h"

#include <algorithm>
#include <string>

#include "datafiles/DataFilesTexts.h"
#include "datafiles/RecordDecoding.h"

namespace {

constexpr std::size_t kLineBreakBytes = 2;

std::string trimmedRight(std::string_view text) {
    const std::size_t last = text.find_last_not_of(" \t\r\n\v\f");
    return std::string(text.substr(0, last == std::string_view::npos ? 0 : last + 1));
}

}  // namespace

void readHeaderTexts(std::string_view readme, DatabaseHeader& header, LogSink& log) {
    const std::string text = recordTextToAnsi(readme, readme.size());
    const std::string_view view(text);

    const std::size_t city = view.find("[city]");
    const std::size_t date = view.find("[date]");
    const std::size_t author = date == std::string_view::npos ? date : view.find("[author]", date);
    const std::size_t memo =
        author == std::string_view::npos ? author : view.find("[memo]", author);
    if (city == std::string_view::npos || memo == std::string_view::npos || city > date) {
        log.log(LogLevel::Warning, dataFilesTexts::kReadmeMarkersMissing);
        return;
    }

    // A marker without its line break before the next marker gives an empty value.
    auto value = [&](std::size_t marker, std::string_view name, std::size_t end) {
        const std::size_t begin = std::min(marker + name.size() + kLineBreakBytes, end);
        return trimmedRight(view.substr(begin, end - begin));
    };
    header.city = value(city, "[city]", date);
    header.date = value(date, "[date]", author);
    header.author = value(author, "[author]", memo);
    header.memo = value(memo, "[memo]", view.size());
}
