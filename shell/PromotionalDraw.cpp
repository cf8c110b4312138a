#include "PromotionalDraw.h"

#include "platform/Random.h"

#include <cmath>

namespace shell {

int promotionNumber(double r)
{
    // nearbyint rounds in the default mode: to nearest, ties to even.
    return static_cast<int>(std::nearbyint(r * 6.0 + 1.0));
}

std::optional<windows::EntryWindow::Offer> offerFor(int n)
{
    switch (n) {
    case 2:
    case 4:
    case 6: return windows::EntryWindow::Offer::FullBrand;
    case 1:
    case 3:
    case 5: return windows::EntryWindow::Offer::CoBrand;
    default: return std::nullopt;
    }
}

int drawFrontOffer(windows::EntryWindow& window)
{
    const int n = promotionNumber(platform::nextRandom());
    if (const auto offer = offerFor(n))
        window.bringOfferToFront(*offer);
    return n;
}

}  // namespace shell
