#pragma once

// Standard output and standard error of the command-line tool, in the terminal's encoding.

#include <cstdio>
#include <string>
#include <string_view>

enum class TerminalEncoding { Gbk, Utf8 };

// The encoding the terminal shows; used when no --output-encoding is given.
TerminalEncoding detectTerminalEncoding();

// True when stream is a console that takes characters rather than bytes: a Windows console,
// which then shows them whatever its code page.
bool isConsole(std::FILE* stream);
// Writes the characters to such a console.
void writeToConsole(std::FILE* stream, std::u16string_view text);

// Prints GBK texts to standard output or standard error in the terminal's encoding.
class Terminal {
public:
    explicit Terminal(TerminalEncoding encoding) : encoding_(encoding) {}

    void setEncoding(TerminalEncoding encoding) { encoding_ = encoding; }
    TerminalEncoding encoding() const { return encoding_; }
    void out(std::string_view gbkText) const;
    void err(std::string_view gbkText) const;
    // A UTF-8 text on standard error: as it is in a UTF-8 terminal; in a GBK one, each
    // character GBK lacks is shown as U+XXXX rather than lost as "?".
    void errUtf8(std::string_view utf8Text) const;

private:
    void write(std::FILE* stream, std::string_view gbkText) const;

    TerminalEncoding encoding_;
};
