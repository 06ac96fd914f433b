#include "tests/app/GdiObjects.h"

#include <windows.h>
#include <winternl.h>

#include <cstdint>
#include <cstring>

namespace {

// The GDI handle table: 65,536 entries of 24 bytes on 64-bit Windows and Wine, whose
// address the process environment block holds at offset 0xF8.
constexpr std::size_t kTableOffsetInPeb = 0xF8;
constexpr std::size_t kEntryCount = 0x10000;
constexpr std::size_t kEntrySize = 24;
constexpr std::size_t kObjectOffset = 0;     // kernel address; zero for a free entry
constexpr std::size_t kProcessIdOffset = 8;  // zero under Wine
constexpr std::size_t kUpperOffset = 12;     // the upper 16 bits of the handle

const std::uint8_t* handleTable() {
    PROCESS_BASIC_INFORMATION basic{};
    if (NtQueryInformationProcess(GetCurrentProcess(), ProcessBasicInformation, &basic,
                                  sizeof basic, nullptr) != 0) {
        return nullptr;
    }
    const auto* peb = reinterpret_cast<const std::uint8_t*>(basic.PebBaseAddress);
    const std::uint8_t* table = nullptr;
    std::memcpy(&table, peb + kTableOffsetInPeb, sizeof table);
    return table;
}

}  // namespace

int countGdiObjects() {
    const std::uint8_t* table = handleTable();
    if (table == nullptr) {
        return -1;
    }
    const auto processId = static_cast<std::uint16_t>(GetCurrentProcessId());
    int count = 0;
    for (std::size_t index = 0; index < kEntryCount; ++index) {
        const std::uint8_t* entry = table + index * kEntrySize;
        std::uint64_t object = 0;
        std::uint16_t owner = 0;
        std::uint16_t upper = 0;
        std::memcpy(&object, entry + kObjectOffset, sizeof object);
        std::memcpy(&owner, entry + kProcessIdOffset, sizeof owner);
        std::memcpy(&upper, entry + kUpperOffset, sizeof upper);
        if (object == 0 || (owner != 0 && owner != processId)) {
            continue;
        }
        const auto handle = reinterpret_cast<HGDIOBJ>(static_cast<std::uintptr_t>(index) |
                                                      (static_cast<std::uintptr_t>(upper) << 16));
        if (GetObjectType(handle) != 0) {
            ++count;
        }
    }
    return count;
}
