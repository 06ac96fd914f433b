#include <langinfo.h>

#include <cctype>
#include <clocale>
#include <string>

#include "cli/Terminal.h"

// A terminal set to a Chinese GB code set gets GBK as it stands; every other one UTF-8,
// which is what a terminal without a locale (scripts, CI) most likely shows.
TerminalEncoding detectTerminalEncoding() {
    std::setlocale(LC_CTYPE, "");
    std::string codeset = nl_langinfo(CODESET);
    for (char& c : codeset) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    const bool gb = codeset == "GBK" || codeset == "GB2312" || codeset == "GB18030" ||
                    codeset == "CP936" || codeset == "EUC-CN";
    return gb ? TerminalEncoding::Gbk : TerminalEncoding::Utf8;
}

// A terminal here takes bytes in its encoding.
bool isConsole(std::FILE* /*stream*/) {
    return false;
}

void writeToConsole(std::FILE* /*stream*/, std::u16string_view /*text*/) {}
