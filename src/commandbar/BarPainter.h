#pragma once

#include "commandbar/BarLayout.h"

#include <QColor>
#include <QRect>
#include <QSize>
#include <QString>

class BarAppearance;
class BarModel;
class QPainter;
class QRegion;

// Paints the bar from its layout: the panel, the fill beyond the strip, and
// each item in its state (normal, active, under the mouse, disabled) with
// its icon, caption, badge or attention dot and check box. The active item
// of a strip shows the active bar beside its cell.
class BarPainter {
public:
    BarPainter(const BarModel& model, const BarAppearance& appearance, const BarLayout& layout);

    // Paints the part `dirty` of a control whose rectangle is `control`.
    void Paint(QPainter& painter, const QRect& control, const QRegion& dirty) const;

    // A picture larger than the target is scaled down keeping its shape; a
    // smaller one keeps its size.
    static QSize FitPicture(const QSize& picture, const QSize& target);
    // "99+" from 100 on, the count from 1 to 99, empty otherwise.
    static QString BadgeText(qint32 count);

private:
    struct Look;

    Look LookOf(int index) const;
    qint32 DisabledCaptionColor(qint32 back) const;
    void PaintItem(QPainter& painter, const BarLayout::Place& place) const;
    void PaintTitleButton(QPainter& painter, const BarLayout::Place& place, const Look& look) const;
    void PaintIcon(QPainter& painter, int index, const QRect& cell, const Look& look) const;
    void PaintCaption(QPainter& painter, const BarLayout::Place& place, const Look& look) const;
    void PaintBadge(QPainter& painter, int index, const QRect& cell, const Look& look) const;
    void PaintAttentionDot(QPainter& painter, int index, const QRect& cell, const Look& look) const;
    void PaintCheckBox(QPainter& painter, int index, const QRect& cell, const Look& look) const;

    const BarModel& model_;
    const BarAppearance& appearance_;
    const BarLayout& layout_;
};
