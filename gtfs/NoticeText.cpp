#include "gtfs/NoticeText.h"

#include "core/MessageFormat.h"
#include "core/TextConversion.h"

std::string noticeText(const char* format, std::initializer_list<std::string_view> utf8Args) {
    return formatMessage(gbkToUtf8(format), utf8Args);
}
