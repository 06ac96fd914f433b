#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// A hash of bytes keyed by a secret drawn once per run, so that a feed cannot choose ids,
// names or stop sequences that all land in one slot of a hash table.
std::uint64_t keyedHash(std::string_view bytes);

// keyedHash as the hasher of an unordered container of texts.
struct KeyedTextHash {
    std::size_t operator()(std::string_view text) const noexcept {
        return static_cast<std::size_t>(keyedHash(text));
    }
};
