#include "app/CoBrand.h"

#include <cmath>

namespace cobrand {

qint16 intCoBrandRandomNumber = 0;

int NumberFor(double r)
{
    // nearbyint rounds in the default mode: to nearest, ties to even.
    return static_cast<int>(std::nearbyint(r * 6.0 + 1.0));
}

Front FrontFor(int n)
{
    switch (n) {
    case 2: case 4: case 6: return Front::FullBrand;
    case 1: case 3: case 5: return Front::Cobrand;
    default: return Front::Unchanged;
    }
}

}  // namespace cobrand
