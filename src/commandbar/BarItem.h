#pragma once

#include "platform/ui/VbColor.h"

#include <QImage>
#include <QString>

// Checkable and checked state of an item. The printer and share items keep
// theirs at bar level, so the two travel together.
struct CheckFlags {
    bool checkable = false;
    bool checked = false;
};

// The pictures read from an item's icon files; null where there is none.
struct IconPictures {
    QImage normal;
    QImage hover;
    QImage disabled;
};

// One slot of the command bar's item table; a default-constructed slot is a
// cleared one.
struct BarItem {
    static constexpr qint32 kForceRedraw = -1;

    QString key;  // trimmed, in the caller's case; compared in upper case
    QString caption;
    QString toolTip;
    QString normalIconFile;
    QString hoverIconFile;
    QString disabledIconFile;
    QString lastPaintedFile;
    qint32 lastPaintedColor = kForceRedraw;
    bool visible = false;
    bool enabled = true;
    qint32 badgeCount = 0;  // 0 hides the badge
    bool attention = false;
    qint32 attentionColor = vb::RGB(220, 64, 64);
    CheckFlags check;
    bool hasFileIcon = false;
    IconPictures pictures;
};
