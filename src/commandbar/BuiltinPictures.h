#pragma once

#include <QString>

class QPainter;
class QRectF;

// The bar's own pictures: 0 ... 18 in the order of the default items, then
// those of this program's own commands (19, VERIFICAR). Several keys share a
// picture; a key that names none has no picture.
class BuiltinPictures {
public:
    static constexpr int kDefaultItems = 19;
    static constexpr int kCount = 22;
    static constexpr int kNone = -1;

    // Picture number of a key (trimmed, case ignored); kNone for other keys.
    static int NumberOf(const QString& key);
    // Draws picture `number` scaled into `target`; false when there is no such picture.
    static bool Draw(QPainter& painter, int number, const QRectF& target);
};
