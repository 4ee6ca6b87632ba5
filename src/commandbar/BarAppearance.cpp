#include "commandbar/BarAppearance.h"

#include "platform/ui/Twips.h"

#include <algorithm>

BarAppearance::BarAppearance() { SetIconPx(kDefaultIconPx); }

void BarAppearance::SetItemHeight(double twips) { itemHeight_ = std::max(twips, kMinItemHeight); }

void BarAppearance::SetIconSize(double twips)
{
    if (twips <= 0) return;
    iconSize_ = twips;
    const int pixels = vb::PixelsFromTwips(twips);
    iconPx_ = pixels < 1 ? kDefaultIconPx : pixels;
}

void BarAppearance::SetIconPx(int pixels)
{
    iconPx_ = pixels > 0 ? pixels : kDefaultIconPx;
    iconSize_ = vb::TwipsFromPixels(iconPx_);
}
