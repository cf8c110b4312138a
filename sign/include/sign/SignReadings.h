#pragma once

#include "sign/Sign.h"

namespace sign {

// How a person of this warrior sign solves problems and reacts in adverse
// situations.
const QString& signReading(Sign sign);

// What the result window's reading shows until a find fills it.
QString defaultReading();

}  // namespace sign
