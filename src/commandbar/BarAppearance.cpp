#include "commandbar/BarAppearance.h"

#include "commandbar/BarThemes.h"
#include "platform/VbText.h"
#include "platform/ui/Twips.h"
#include "platform/ui/VbColor.h"

#include <algorithm>

namespace {
constexpr int kFillShift = 28;
}  // namespace

BarAppearance::BarAppearance()
{
    SetIconPx(kDefaultIconPx);
    ApplyTheme(BarThemes::kDefault);
}

void BarAppearance::SetItemHeight(double twips) { itemHeight_ = std::max(twips, kMinItemHeight); }

void BarAppearance::SetItemGap(double twips) { itemGap_ = std::max(twips, kMinItemGap); }

void BarAppearance::SetGroupGap(double twips) { groupGap_ = std::max(twips, 0.0); }

void BarAppearance::SetGroupBreakAfterTag(const QString& key) { groupBreakAfterTag_ = vb::Trim(key).toUpper(); }

void BarAppearance::SetHorizontal(bool on)
{
    horizontal_ = on;
    autoOrientacion_ = false;
}

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

void BarAppearance::ApplyTheme(int number)
{
    theme_ = BarThemes::IsTheme(number) ? number : BarThemes::kDefault;
    const BarThemes::Colors colours = BarThemes::Of(theme_);
    normalBackColor_ = colours.normalBack;
    activeBackColor_ = colours.activeBack;
    activeBarColor_ = colours.activeBar;
}

void BarAppearance::SetContextUserName(const QString& name) { contextUserName_ = vb::Trim(name); }

void BarAppearance::SetContextDbName(const QString& name) { contextDbName_ = vb::Trim(name); }

qint32 BarAppearance::PanelBackColor() const
{
    if (soloTitulo_ && BarThemes::IsLightColor(normalBackColor_)) return BarThemes::NormalColor(theme_);
    return normalBackColor_;
}

qint32 BarAppearance::HighlightBackColor() const
{
    if (!soloTitulo_) return normalBackColor_;
    if (BarThemes::IsLightColor(normalBackColor_) || BarThemes::IsLightColor(activeBackColor_)) {
        return BarThemes::ActiveColor(theme_);
    }
    return activeBackColor_;
}

qint32 BarAppearance::PanelFillColor() const { return vb::ShiftColor(PanelBackColor(), kFillShift); }
