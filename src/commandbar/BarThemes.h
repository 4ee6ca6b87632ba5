#pragma once

#include <QtGlobal>

// The bar's five numbered colour themes and the colour arithmetic of its
// painting. Colours are RGB integers with red in the low byte.
namespace BarThemes {

constexpr int kFirst = 1;
constexpr int kLast = 5;
constexpr int kDefault = 2;
// The theme whose active item is only a darker cell.
constexpr int kGreyTheme = 5;

struct Colors {
    qint32 normalBack;
    qint32 activeBack;
    qint32 activeBar;
};

bool IsTheme(int number);
// The colours of a theme; a number outside 1 ... 5 gives theme 2's.
Colors Of(int number);
// A theme's normal and active back colours; 0 outside 1 ... 5.
qint32 NormalColor(int number);
qint32 ActiveColor(int number);

// The theme that goes with a style number of the settings file:
// 0 -> 1, 2 -> 3, 3 -> 4, 4 -> 5, anything else -> 2.
int FromStyleNumber(double style);

// Perceived brightness, 0 ... 255.
int Brightness(qint32 colour);
// Brightness above 204.
bool IsLightColor(qint32 colour);

}  // namespace BarThemes
