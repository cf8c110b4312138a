#pragma once

#include "sign/Sign.h"

#include <QStringView>
#include <optional>

namespace sign {

// Pallas's sign on a day of the table (month 1 to 12). A day past the end of
// its month is compared like any other: it takes the month's later sign.
// Nothing for a year or month outside the table.
std::optional<Sign> signOn(int year, int month, int day);

// The find action's lookup from the entry window's three list texts. Texts
// are compared as they always were: the month by its exact name; the year
// and day as numbers, where one that is not a number counts as a match, so
// such a year gives 1971's sign (the later of the two halves of the table
// wins) and such a day the first sign of a split month. Nothing for a month
// that is not one of the twelve names or a number that is not a year of the
// table.
std::optional<Sign> findSign(QStringView yearText, QStringView monthText, QStringView dayText);

}  // namespace sign
