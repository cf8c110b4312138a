#include "PromotionalDraw.h"

#include "platform/Random.h"
#include "windows/EntryWindow.h"

#include <cmath>

namespace shell {

void drawFrontOffer(windows::EntryWindow& window)
{
    // nearbyint rounds in the default mode: to nearest, ties to even.
    const int n = static_cast<int>(std::nearbyint(platform::nextRandom() * 6.0 + 1.0));
    if (n == 2 || n == 4 || n == 6)
        window.bringOfferToFront(windows::EntryWindow::Offer::FullBrand);
    else if (n == 1 || n == 3 || n == 5)
        window.bringOfferToFront(windows::EntryWindow::Offer::CoBrand);
}

}  // namespace shell
