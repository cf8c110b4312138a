#pragma once

#include <QString>

namespace modPlanetSign {

// The reading of a warrior sign, looked up by its exact name. Returns nullptr
// for any other text (an empty result, a name in other letter case).
const QString* SignReading(const QString& signName);

// What the result window's reading shows until a find fills it.
QString DefaultSignDescription();

}  // namespace modPlanetSign
