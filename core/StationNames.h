#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Gives each distinct name a number in order of first appearance. A hash table of its own
// with open addressing, whose slots say where a copy of their name lies in one array: half a
// million lookups are the generator's main work, and most of a lookup's time is a cache miss,
// so names are compared in the table's own tightly packed copies. A whole list is
// looked up at once so that the memory of all its lookups is fetched in parallel.
class StationNames {
public:
    // Sets numbers[k] to the number of names[k], the next unused one for a name that is new.
    void number(const std::vector<std::string_view>& names, int* numbers);

    std::size_t size() const { return copyAt_.size(); }
    // The table's own copy of the name, followed by a NUL byte; valid until the next call of
    // number(). The copies lie side by side, so comparing them is fast.
    std::string_view name(int number) const {
        return std::string_view(copiedBytes_).substr(copyAt_[number], lengths_[number]);
    }

private:
    struct Slot {
        std::uint32_t hash = 0;
        std::int32_t number = -1;  // -1: empty
        std::uint32_t copyAt = 0;  // the copy of the name in copiedBytes_
        std::uint32_t length = 0;
    };

    int number(std::string_view name, std::uint32_t hash);
    void grow();

    std::string copiedBytes_;
    std::vector<std::uint32_t> copyAt_;  // by number
    std::vector<std::uint32_t> lengths_;
    std::vector<Slot> slots_;
    std::vector<std::uint32_t> hashes_;  // of the names being numbered
};
