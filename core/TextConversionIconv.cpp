// GBK conversion with iconv. iconv's GBK table leaves out what the Windows code page adds
// (0x80, 0xFF, the user-defined areas and a few unassigned positions), so the tables built
// here take iconv's pairs and add those rules, and both builds write the same files.

#include <iconv.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstring>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <vector>

#include "core/DataFormat.h"
#include "core/TextConversion.h"

namespace {

constexpr char16_t kReplacement = u'?';
constexpr std::uint16_t kNoBytes = 0xFFFF;

bool isTrailByte(unsigned char b) {
    return b >= 0x40 && b <= 0xFE && b != 0x7F;
}

class Iconv {
public:
    Iconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1)) {
            throw std::runtime_error(std::string("iconv cannot convert from ") + from + " to " +
                                     to);
        }
    }
    ~Iconv() { iconv_close(cd_); }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;

    // Converts all of input; false when iconv stops at a byte it cannot convert.
    bool convert(std::string_view input, std::string& output, std::size_t& stoppedAt) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        // Kept from call to call: clearing a new buffer each time cost more than converting.
        buffer_.resize(std::max(buffer_.size(), input.size() * 4 + 8));
        char* in = const_cast<char*>(input.data());
        std::size_t inLeft = input.size();
        char* out = buffer_.data();
        std::size_t outLeft = buffer_.size();
        const bool ok = iconv(cd_, &in, &inLeft, &out, &outLeft) != static_cast<std::size_t>(-1);
        output.assign(buffer_.data(), buffer_.size() - outLeft);
        stoppedAt = input.size() - inLeft;
        return ok && inLeft == 0;
    }

private:
    iconv_t cd_;
    std::vector<char> buffer_;
};

// The Windows code page maps its three user-defined areas to private-use code points in order.
char16_t userDefinedAreaUnit(unsigned lead, unsigned trail) {
    if (lead >= 0xAA && lead <= 0xAF && trail >= 0xA1 && trail <= 0xFE) {
        return static_cast<char16_t>(0xE000 + (lead - 0xAA) * 94 + (trail - 0xA1));
    }
    if (lead >= 0xF8 && lead <= 0xFE && trail >= 0xA1 && trail <= 0xFE) {
        return static_cast<char16_t>(0xE234 + (lead - 0xF8) * 94 + (trail - 0xA1));
    }
    if (lead >= 0xA1 && lead <= 0xA7 && trail >= 0x40 && trail <= 0xA0) {
        const unsigned column = trail - 0x40 - (trail > 0x7F ? 1 : 0);
        return static_cast<char16_t>(0xE4C6 + (lead - 0xA1) * 96 + column);
    }
    return 0;
}

// The valid second bytes of a double-byte character, in code order.
std::string trailBytes() {
    std::string trails;
    for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
        if (isTrailByte(static_cast<unsigned char>(trail))) {
            trails.push_back(static_cast<char>(trail));
        }
    }
    return trails;
}

// Sets row[trail] to iconv's code unit for every pair of lead with one of trails that iconv
// converts to exactly one unit, leaving the others 0. One iconv call takes a whole row, going
// on after each pair it rejects, since each call costs far more than the pairs it converts.
void fillRowFromIconv(Iconv& gbk, unsigned lead, const std::string& trails, char16_t* row) {
    std::string pairs(2 * trails.size(), static_cast<char>(lead));
    for (std::size_t i = 0; i < trails.size(); ++i) {
        pairs[2 * i + 1] = trails[i];
    }
    std::string utf16;
    std::size_t stoppedAt = 0;
    std::size_t first = 0;
    while (first < trails.size()) {
        const bool ok = gbk.convert(std::string_view(pairs).substr(2 * first), utf16, stoppedAt);
        // Every pair before the stop must have become one unit; otherwise the row goes pair
        // by pair from here.
        if (stoppedAt % 2 != 0 || utf16.size() != stoppedAt) {
            break;
        }
        const std::size_t converted = stoppedAt / 2;
        for (std::size_t i = 0; i < converted; ++i) {
            row[static_cast<unsigned char>(trails[first + i])] = utf16leUnitAt(utf16, i);
        }
        first += converted + (ok ? 0 : 1);
    }
    for (; first < trails.size(); ++first) {
        if (gbk.convert(std::string_view(pairs).substr(2 * first, 2), utf16, stoppedAt) &&
            utf16.size() == 2) {
            row[static_cast<unsigned char>(trails[first])] = utf16leUnitAt(utf16, 0);
        }
    }
}

// GBK to UTF-16: what every conversion into UTF-16 needs. A row of lead byte is asked of
// iconv when a text first uses it: a small city uses few rows, and all 126 cost more than
// converting it. Rows are filled under a lock and never change after,
// so threads may convert at the same time.
class Cp936Decoding {
public:
    // The unit of a lead byte and a second byte; 0 when the pair is not a character.
    char16_t pairUnit(unsigned lead, unsigned trail) {
        const std::size_t row = lead - 0x81;
        if (!rowFilled_[row].load(std::memory_order_acquire)) {
            const std::lock_guard<std::mutex> lock(mutex_);
            fillRow(lead);
        }
        const char16_t unit = units_[row][trail];
        return unit != kUnassigned ? unit : unassignedUnit(lead, trail);
    }

private:
    // Marks the positions that neither GBK nor the user-defined areas assign; U+FFFF is no
    // character, so no pair decodes to it.
    static constexpr char16_t kUnassigned = 0xFFFF;

    // Those positions take the private-use code points from U+E766 on, in code order, so
    // their units are known only once every row is.
    char16_t unassignedUnit(unsigned lead, unsigned trail) {
        fillAll();
        const auto code = static_cast<std::uint16_t>(lead << 8 | trail);
        const auto at = std::lower_bound(unassigned_.begin(), unassigned_.end(), code);
        return static_cast<char16_t>(0xE766 + (at - unassigned_.begin()));
    }

    // Fills every row and lists the unassigned positions in code order.
    void fillAll() {
        const std::lock_guard<std::mutex> lock(mutex_);
        if (allFilled_) {
            return;
        }
        for (unsigned lead = 0x81; lead <= 0xFE; ++lead) {
            fillRow(lead);
            for (unsigned trail = 0; trail <= 0xFF; ++trail) {
                if (units_[lead - 0x81][trail] == kUnassigned) {
                    unassigned_.push_back(static_cast<std::uint16_t>(lead << 8 | trail));
                }
            }
        }
        allFilled_ = true;
    }

    // Called under the lock.
    void fillRow(unsigned lead) {
        const std::size_t index = lead - 0x81;
        if (rowFilled_[index].load(std::memory_order_relaxed)) {
            return;
        }
        char16_t* row = units_[index];
        fillRowFromIconv(gbk_, lead, trails_, row);
        for (char t : trails_) {
            const auto trail = static_cast<unsigned char>(t);
            if (row[trail] == 0) {
                row[trail] = userDefinedAreaUnit(lead, trail);
            }
            if (row[trail] == 0) {
                row[trail] = kUnassigned;
            }
        }
        rowFilled_[index].store(true, std::memory_order_release);
    }

    Iconv gbk_{"UTF-16LE", "GBK"};
    const std::string trails_ = trailBytes();
    std::mutex mutex_;
    std::atomic<bool> rowFilled_[0xFF - 0x81] = {};
    char16_t units_[0xFF - 0x81][0x100] = {};  // [lead - 0x81][trail]
    bool allFilled_ = false;
    std::vector<std::uint16_t> unassigned_;  // lead << 8 | trail, in code order
};

Cp936Decoding& decoding() {
    static const std::unique_ptr<Cp936Decoding> instance = std::make_unique<Cp936Decoding>();
    return *instance;
}

// UTF-16 to GBK, built from the decoding only when text is first encoded. A unit that several
// byte sequences decode to is encoded as the first of them.
struct Cp936Encoding {
    std::uint16_t unitBytes[0x10000];  // a byte, or lead << 8 | trail

    Cp936Encoding() {
        std::fill(std::begin(unitBytes), std::end(unitBytes), kNoBytes);
        for (unsigned b = 0; b < 0x80; ++b) {
            unitBytes[b] = static_cast<std::uint16_t>(b);
        }
        unitBytes[0x20AC] = 0x80;
        unitBytes[0xF8F5] = 0xFF;
        Cp936Decoding& d = decoding();
        for (unsigned lead = 0x81; lead <= 0xFE; ++lead) {
            for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
                const char16_t unit = d.pairUnit(lead, trail);
                if (unit != 0 && unitBytes[unit] == kNoBytes) {
                    unitBytes[unit] = static_cast<std::uint16_t>(lead << 8 | trail);
                }
            }
        }
    }
};

const Cp936Encoding& encoding() {
    static const std::unique_ptr<Cp936Encoding> instance = std::make_unique<Cp936Encoding>();
    return *instance;
}

// Decodes GBK the way the Windows code page does; calls emit(unit) for each code unit.
template <typename Emit>
void decodeGbk(std::string_view text, Emit emit) {
    Cp936Decoding& t = decoding();
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (b < 0x80) {
            emit(static_cast<char16_t>(b));
        } else if (b == 0x80) {
            emit(u'\u20AC');
        } else if (b == 0xFF) {
            emit(u'\uF8F5');
        } else if (i + 1 >= text.size() || text[i + 1] == '\0') {
            emit(kReplacement);  // a lead byte without a second byte
        } else {
            const auto trail = static_cast<unsigned char>(text[++i]);
            const char16_t unit = t.pairUnit(b, trail);
            emit(unit != 0 ? unit : kReplacement);
        }
    }
}

// Encodes UTF-16 units to GBK; units without a GBK form become "?". Calls emit(byte).
template <typename Emit>
void encodeGbk(std::u16string_view text, Emit emit) {
    const Cp936Encoding& t = encoding();
    for (char16_t unit : text) {
        const std::uint16_t bytes = t.unitBytes[unit];
        if (bytes == kNoBytes) {
            emit('?');
        } else if (bytes > 0xFF) {
            emit(static_cast<char>(bytes >> 8));
            emit(static_cast<char>(bytes & 0xFF));
        } else {
            emit(static_cast<char>(bytes));
        }
    }
}

}  // namespace

bool AnsiToWide(const char* text, char16_t* buffer, std::size_t capacity) {
    const std::string_view view(text);
    // A text never has more units than bytes: when its bytes fit, so do its units.
    if (view.size() < capacity) {
        decodeGbk(view, [&](char16_t unit) { *buffer++ = unit; });
        *buffer = u'\0';
        return true;
    }
    std::size_t needed = 1;
    decodeGbk(view, [&](char16_t) { ++needed; });
    if (needed > capacity) {
        return false;
    }
    decodeGbk(view, [&](char16_t unit) { *buffer++ = unit; });
    *buffer = u'\0';
    return true;
}

bool WideToAnsi(const char16_t* text, char* buffer, std::size_t capacity) {
    const std::u16string_view view(text);
    std::size_t needed = 1;
    encodeGbk(view, [&](char) { ++needed; });
    if (needed > capacity) {
        return false;
    }
    encodeGbk(view, [&](char byte) { *buffer++ = byte; });
    *buffer = '\0';
    return true;
}

std::u16string gbkToUtf16(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    decodeGbk(text, [&](char16_t unit) { out.push_back(unit); });
    return out;
}

std::string utf16ToGbk(std::u16string_view text) {
    std::string out;
    out.reserve(text.size() * 2);
    encodeGbk(text, [&](char byte) { out.push_back(byte); });
    return out;
}

bool wideToAnsiExact(std::u16string_view text, std::string& out, std::size_t& badIndex) {
    const Cp936Encoding& t = encoding();
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (t.unitBytes[text[i]] == kNoBytes) {
            badIndex = i;
            return false;
        }
    }
    out = utf16ToGbk(text);
    return true;
}

bool utf8ToWide(std::string_view text, std::u16string& out) {
    static thread_local Iconv fromUtf8("UTF-16LE", "UTF-8");
    std::string bytes;
    std::size_t stoppedAt = 0;
    if (!fromUtf8.convert(text, bytes, stoppedAt)) {
        return false;
    }
    out = utf16leToWide(bytes);
    return true;
}

std::string wideToUtf8(std::u16string_view text) {
    static thread_local Iconv toUtf8("UTF-8", "UTF-16LE");
    std::string out;
    std::string piece;
    // A lone surrogate has no UTF-8 form: it becomes U+FFFD and the rest goes on.
    while (true) {
        std::string bytes;
        appendUtf16LE(bytes, text);
        std::size_t stoppedAt = 0;
        const bool ok = toUtf8.convert(bytes, piece, stoppedAt);
        out += piece;
        if (ok) {
            return out;
        }
        out += "\xEF\xBF\xBD";
        text.remove_prefix(stoppedAt / 2 + 1);
    }
}
