#pragma once

#include "sign/Sign.h"

namespace sign {

// One month of one year: a single sign for the whole month (threshold 0), or
// `first` up to and including day `threshold` and `second` after it.
struct MonthEntry {
    std::uint8_t threshold;
    Sign first;
    Sign second;
};

struct YearEntry {
    int year;
    std::array<MonthEntry, 12> months;
};

// Year by year from FirstYear, with no year left out, so that a year's entry
// sits at index year - FirstYear.
extern const std::array<YearEntry, LastYear - FirstYear + 1> signTable;

}  // namespace sign
