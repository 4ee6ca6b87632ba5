#pragma once

#include <QString>

class QPainter;
class QRectF;

// The bar's own 19 pictures, numbered 0 ... 18 in the order of the default
// items. Several keys share a picture; a key that names none has no picture.
class BuiltinPictures {
public:
    static constexpr int kCount = 19;
    static constexpr int kNone = -1;

    // Picture number of a key (trimmed, case ignored); kNone for other keys.
    static int NumberOf(const QString& key);
    // Draws picture `number` scaled into `target`; false when there is no such picture.
    static bool Draw(QPainter& painter, int number, const QRectF& target);
};
