#pragma once

namespace windows {
class EntryWindow;
}

namespace shell {

// Draws from the program-wide generator r, takes n = r x 6 + 1 to the nearest
// integer (ties to even) and brings the offer n names to the front of the
// entry window: 2, 4 and 6 the full-brand one, 1, 3 and 5 the co-brand one;
// 7 changes nothing.
void drawFrontOffer(windows::EntryWindow& window);

}  // namespace shell
