#pragma once

#include <QColor>

// Colours as the suite stores them: 24-bit RGB integers with red in the low byte.
namespace vb {

constexpr qint32 vbWhite = 0xFFFFFF;
constexpr qint32 vbBlack = 0;

constexpr qint32 RGB(int red, int green, int blue)
{
    return (red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16);
}

QColor ToQColor(qint32 colour);
qint32 FromQColor(const QColor& colour);
// Adds `delta` to each of red, green and blue, each kept within 0 ... 255.
qint32 ShiftColor(qint32 colour, int delta);

}  // namespace vb
