// The warrior sign: where Pallas stood on each day from 1930 to 2012, and the
// reading that goes with each sign. Needs no windows; the entry window passes
// in the texts of its three lists.
#pragma once

#include <QString>
#include <array>
#include <cstdint>

namespace sign {

enum class Sign : std::uint8_t {
    Aries,
    Taurus,
    Gemini,
    Cancer,
    Leo,
    Virgo,
    Libra,
    Scorpio,
    Sagittarius,
    Capricorn,
    Aquarius,
    Pisces
};
inline constexpr int SignCount = 12;

inline constexpr int FirstYear = 1930;
inline constexpr int LastYear = 2012;

// The twelve names exactly as stored and shown, in zodiac order.
const QString& signName(Sign sign);

// The month names the entry window lists; the lookup matches them exactly.
const std::array<QString, 12>& monthNames();

}  // namespace sign
