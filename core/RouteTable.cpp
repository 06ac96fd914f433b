#include "core/RouteTable.h"

#include <algorithm>
#include <cstdint>

#include "core/ShortText.h"

RouteTable::RouteTable(const std::vector<std::unique_ptr<Route>>& routes) {
    std::size_t entries = 0;
    for (const auto& route : routes) {
        if (route) {
            entries += route->upStations.size() + route->downStations.size();
        }
    }
    numbers_.reserve(entries);
    routes_.reserve(routes.size());

    std::vector<std::string_view> up;
    std::vector<std::string_view> down;
    for (const auto& route : routes) {
        if (!route) {
            continue;
        }
        up.assign(route->upStations.begin(), route->upStations.end());
        down.assign(route->downStations.begin(), route->downStations.end());
        add(tripTextParts(*route), up, down);
    }
    numberInByteOrder();
}

void RouteTable::add(const TripTextParts& texts, const std::vector<std::string_view>& up,
                     const std::vector<std::string_view>& down) {
    const Entry entry{texts, numbers_.size(), up.size(), down.size()};
    routes_.push_back(entry);
    numbers_.resize(entry.first + up.size() + down.size());
    int* const upNumbers = numbers_.data() + entry.first;
    int* const downNumbers = upNumbers + up.size();
    names_.number(up, upNumbers);

    // A down list mostly runs the up list backwards: an entry equal to its mirror in the up
    // list takes that number without a lookup.
    lookups_.clear();
    lookupAt_.clear();
    for (std::size_t k = 0; k < down.size(); ++k) {
        const std::size_t mirror = up.size() - 1 - k;
        if (k < up.size() && shortText::same(down[k], up[mirror])) {
            downNumbers[k] = upNumbers[mirror];
        } else {
            lookups_.push_back(down[k]);
            lookupAt_.push_back(k);
        }
    }
    found_.resize(lookups_.size());
    names_.number(lookups_, found_.data());
    for (std::size_t i = 0; i < found_.size(); ++i) {
        downNumbers[lookupAt_[i]] = found_[i];
    }
}

void RouteTable::numberInByteOrder() {
    // Sorted by the first eight bytes read as a big-endian number, which orders most names
    // without looking at their text again; names agreeing there are compared whole.
    // std::string_view compares as unsigned bytes, a prefix first.
    struct Key {
        std::uint64_t prefix;
        int number;
    };
    std::vector<Key> keys(names_.size());
    for (std::size_t n = 0; n < keys.size(); ++n) {
        const std::string_view name = names_.name(static_cast<int>(n));
        std::uint64_t prefix = 0;
        for (std::size_t i = 0; i < 8; ++i) {
            prefix = prefix << 8 | (i < name.size() ? static_cast<unsigned char>(name[i]) : 0u);
        }
        keys[n] = {prefix, static_cast<int>(n)};
    }
    std::sort(keys.begin(), keys.end(), [&](const Key& a, const Key& b) {
        if (a.prefix != b.prefix) {
            return a.prefix < b.prefix;
        }
        return names_.name(a.number) < names_.name(b.number);
    });
    byteOrder_.resize(keys.size());
    std::vector<int> finalNumber(keys.size());
    for (std::size_t n = 0; n < keys.size(); ++n) {
        byteOrder_[n] = keys[n].number;
        finalNumber[keys[n].number] = static_cast<int>(n);
    }
    for (int& n : numbers_) {
        n = finalNumber[n];
    }
}
