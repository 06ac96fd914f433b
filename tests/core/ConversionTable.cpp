// Prints how this build converts text: every one- and two-byte GBK sequence to UTF-16, as a
// whole text and as a terminated one, and every UTF-16 code unit to its exact GBK form. The
// native and the Windows build must print the same table.

#include <cstdio>
#include <string>

#include "core/TextConversion.h"

namespace {

void printUnits(const std::u16string& units) {
    for (char16_t unit : units) {
        std::printf(" %04X", static_cast<unsigned>(unit));
    }
}

void printSequence(const std::string& bytes) {
    for (unsigned char b : bytes) {
        std::printf("%02X", b);
    }
    std::printf(":");
    printUnits(gbkToUtf16(bytes));
    std::printf(" |");
    char16_t buffer[4];
    if (AnsiToWide(bytes.c_str(), buffer, 4)) {
        printUnits(std::u16string(buffer));
    }
    std::printf("\n");
}

}  // namespace

int main() {
    for (int b = 0; b < 0x100; ++b) {
        printSequence(std::string(1, static_cast<char>(b)));
    }
    for (int lead = 0; lead < 0x100; ++lead) {
        for (int trail = 0; trail < 0x100; ++trail) {
            printSequence({static_cast<char>(lead), static_cast<char>(trail)});
        }
    }
    for (int unit = 1; unit < 0x10000; ++unit) {
        std::string bytes;
        std::size_t bad = 0;
        std::printf("U+%04X:", static_cast<unsigned>(unit));
        if (wideToAnsiExact(std::u16string(1, static_cast<char16_t>(unit)), bytes, bad)) {
            for (unsigned char b : bytes) {
                std::printf(" %02X", b);
            }
        } else {
            std::printf(" none");
        }
        std::printf("\n");
    }
    return 0;
}
