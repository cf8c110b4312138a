#pragma once

#include "windows/EntryWindow.h"

#include <optional>

namespace shell {

// n = r x 6 + 1 to the nearest integer, ties to even.
int promotionNumber(double r);

// 2, 4, 6 bring the full-brand offer forward; 1, 3, 5 the co-brand one; 7 nothing.
std::optional<windows::EntryWindow::Offer> offerFor(int n);

// Draws from the program-wide generator and brings the offer the number names
// to the front of the entry window. Returns the number drawn, 1 to 7.
int drawFrontOffer(windows::EntryWindow& window);

}  // namespace shell
