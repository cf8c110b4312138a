#pragma once

#include "sign/Sign.h"

#include <QStringView>
#include <optional>

namespace sign {

// The find action's lookup from the entry window's three list texts: the
// month by its exact name, the year and the day as numbers. A year that is
// not a number gives 1971's sign, and a day that is not a number the first
// sign of a month that has two. Nothing for a month that is not one of the
// twelve names or a year outside the table.
std::optional<Sign> findSign(QStringView yearText, QStringView monthText, QStringView dayText);

}  // namespace sign
