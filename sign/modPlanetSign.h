// The warrior sign: where Pallas stood on each day from 1930 to 2012, and the
// reading that goes with each sign. Needs no windows; the main window passes in
// the texts of its three lists.
#pragma once

#include <QString>
#include <array>
#include <cstdint>

namespace modPlanetSign {

enum class Sign : std::uint8_t {
    Aries, Taurus, Gemini, Cancer, Leo, Virgo,
    Libra, Scorpio, Sagittarius, Capricorn, Aquarius, Pisces
};
inline constexpr int SignCount = 12;

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

inline constexpr int FirstYear = 1930;
inline constexpr int LastYear = 2012;
inline constexpr int SplitYear = 1971;  // first year of the second half
extern const std::array<YearEntry, LastYear - FirstYear + 1> SignTable;

// The twelve names exactly as stored and shown, in zodiac order.
const QString& SignName(Sign sign);

// The month names the main window lists; the lookup matches them exactly.
const std::array<QString, 12>& MonthNames();

// The sign of the last lookup that found its date. Empty until then; a lookup
// that finds nothing leaves it as it was.
extern QString SignResult;

// Each half of the table answers only for its own years; the find action runs
// both, first half first.
void LookupSign1930To1970(const QString& yearText, const QString& monthText, const QString& dayText);
void LookupSign1971To2012(const QString& yearText, const QString& monthText, const QString& dayText);

}  // namespace modPlanetSign
