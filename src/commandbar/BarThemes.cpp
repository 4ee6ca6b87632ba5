#include "commandbar/BarThemes.h"

#include "platform/ui/VbColor.h"

#include <array>

namespace BarThemes {

namespace {

constexpr std::array<Colors, kLast> kThemes{{
    {vb::RGB(96, 138, 204), vb::RGB(20, 78, 170), vb::RGB(170, 205, 245)},
    {vb::RGB(42, 42, 42), vb::RGB(59, 59, 59), vb::RGB(204, 204, 204)},
    {vb::RGB(160, 155, 135), vb::RGB(130, 125, 105), vb::RGB(70, 70, 70)},
    {vb::RGB(135, 133, 150), vb::RGB(105, 103, 125), vb::RGB(35, 75, 150)},
    {vb::RGB(122, 122, 122), vb::RGB(88, 88, 88), vb::RGB(212, 212, 212)},
}};

constexpr int kLightThreshold = 204;

}  // namespace

bool IsTheme(int number) { return number >= kFirst && number <= kLast; }

Colors Of(int number) { return kThemes[static_cast<std::size_t>((IsTheme(number) ? number : kDefault) - kFirst)]; }

qint32 NormalColor(int number) { return IsTheme(number) ? Of(number).normalBack : 0; }

qint32 ActiveColor(int number) { return IsTheme(number) ? Of(number).activeBack : 0; }

int FromStyleNumber(double style)
{
    if (style == 0) return 1;
    if (style == 2) return 3;
    if (style == 3) return 4;
    if (style == 4) return 5;
    return kDefault;
}

int Brightness(qint32 colour)
{
    const QColor c = vb::ToQColor(colour);
    return (299 * c.red() + 587 * c.green() + 114 * c.blue()) / 1000;
}

bool IsLightColor(qint32 colour) { return Brightness(colour) > kLightThreshold; }

}  // namespace BarThemes
