#pragma once

#include <functional>

namespace platform {

// The one program-wide generator: uniform values r with 0 <= r < 1.
double Rnd();

// Seeds the generator from the clock.
void Randomize();

// Tests script the values Rnd returns; empty: the real generator again.
void setRndSource(std::function<double()> source);

}  // namespace platform
