#pragma once

#include <QtGlobal>

namespace cobrand {

// The number drawn by the last promotional draw: 0 before it, 1 to 7 after.
extern qint16 intCoBrandRandomNumber;

enum class Front { FullBrand, Cobrand, Unchanged };

// n = r x 6 + 1 to the nearest integer, ties to even.
int NumberFor(double r);

// 2, 4, 6 bring the full-brand offer forward; 1, 3, 5 the co-brand one; 7 nothing.
Front FrontFor(int n);

}  // namespace cobrand
