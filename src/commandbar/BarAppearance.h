#pragma once

#include "platform/ui/VbColor.h"

// Sizes and colours of the bar in the suite's units: lengths in twips, the
// icon size also in pixels, colours as RGB integers with red in the low byte.
// The colours start as those of the suite's default dark theme.
class BarAppearance {
public:
    static constexpr double kDefaultItemHeight = 520;
    static constexpr double kMinItemHeight = 480;
    static constexpr int kDefaultIconPx = 42;

    BarAppearance();

    double ItemHeight() const { return itemHeight_; }
    void SetItemHeight(double twips);  // below the minimum stores the minimum

    // IconSize (twips) and IconPx (pixels) are one size in two units.
    double IconSize() const { return iconSize_; }
    void SetIconSize(double twips);  // only a size above 0 is taken
    int IconPx() const { return iconPx_; }
    void SetIconPx(int pixels);  // not above 0 gives the default

    qint32 NormalBackColor() const { return normalBackColor_; }
    void SetNormalBackColor(qint32 colour) { normalBackColor_ = colour; }
    qint32 ActiveBackColor() const { return activeBackColor_; }
    void SetActiveBackColor(qint32 colour) { activeBackColor_ = colour; }
    qint32 ActiveBarColor() const { return activeBarColor_; }
    void SetActiveBarColor(qint32 colour) { activeBarColor_ = colour; }

private:
    double itemHeight_ = kDefaultItemHeight;
    double iconSize_ = 0;
    int iconPx_ = kDefaultIconPx;
    qint32 normalBackColor_ = vb::RGB(42, 42, 42);
    qint32 activeBackColor_ = vb::RGB(59, 59, 59);
    qint32 activeBarColor_ = vb::RGB(204, 204, 204);
};
