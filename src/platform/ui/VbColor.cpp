#include "platform/ui/VbColor.h"

#include <algorithm>

namespace vb {

namespace {
int Red(qint32 colour) { return colour & 0xFF; }
int Green(qint32 colour) { return (colour >> 8) & 0xFF; }
int Blue(qint32 colour) { return (colour >> 16) & 0xFF; }
int ShiftChannel(int channel, int delta) { return std::clamp(channel + delta, 0, 255); }
}  // namespace

QColor ToQColor(qint32 colour) { return QColor(Red(colour), Green(colour), Blue(colour)); }

qint32 FromQColor(const QColor& colour) { return RGB(colour.red(), colour.green(), colour.blue()); }

qint32 ShiftColor(qint32 colour, int delta)
{
    return RGB(ShiftChannel(Red(colour), delta), ShiftChannel(Green(colour), delta), ShiftChannel(Blue(colour), delta));
}

}  // namespace vb
