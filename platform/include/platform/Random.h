#pragma once

#include <functional>

namespace platform {

// The one program-wide generator: uniform values r with 0 <= r < 1.
double nextRandom();

// Seeds the generator from the clock.
void seedRandomFromClock();

// Tests script the values nextRandom returns; empty: the real generator again.
void setRandomSource(std::function<double()> source);

}  // namespace platform
