#pragma once

#include <cstddef>

// A run of numbers inside a larger array that its owner keeps: one station or trip list of
// the generator, which holds all lists of a kind in one array instead of one array each.
class NumberList {
public:
    NumberList() = default;
    NumberList(const int* first, std::size_t count) : first_(first), count_(count) {}

    const int* begin() const { return first_; }
    const int* end() const { return first_ + count_; }
    std::size_t size() const { return count_; }
    bool empty() const { return count_ == 0; }
    int operator[](std::size_t i) const { return first_[i]; }

private:
    const int* first_ = nullptr;
    std::size_t count_ = 0;
};
