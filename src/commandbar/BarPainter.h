#pragma once

#include <QRect>
#include <QSize>
#include <QString>

#include <vector>

class BarAppearance;
class BarModel;
class QFontMetrics;
class QPainter;

// Places and paints the bar as a plain vertical strip: one cell per visible
// item, top to bottom and as wide as the bar, its icon above its caption.
// Active, hovered and disabled cells each look different; checkable items
// never show the active or hover look, since their check mark shows the state.
class BarPainter {
public:
    struct Cell {
        int index;  // slot of the item
        QRect rect;
    };

    BarPainter(const BarModel& model, const BarAppearance& appearance);

    // The cells of the visible items in a bar `width` pixels wide, captions
    // measured with `metrics`.
    std::vector<Cell> Cells(int width, const QFontMetrics& metrics) const;
    // The slot of the visible item under `point`, or -1.
    int ItemAt(const QPoint& point, int width, const QFontMetrics& metrics) const;
    QSize SizeHint(const QFontMetrics& metrics) const;
    // Paints the bar into `area` with the painter's font for the captions.
    void Paint(QPainter& painter, const QRect& area) const;

    // Line breaks read as blanks; a caption wider than `width` shows its
    // beginning followed by "...", or only "..." when nothing else fits.
    static QString FitCaption(const QString& text, int width, const QFontMetrics& metrics);
    // A picture larger than the target is scaled down keeping its shape; a
    // smaller one keeps its size.
    static QSize FitPicture(const QSize& picture, const QSize& target);
    // "99+" from 100 on, the count from 1 to 99, empty otherwise.
    static QString BadgeText(qint32 count);

private:
    struct Look;

    Look LookOf(int index) const;
    int IconAreaHeight() const;
    int CellHeight(const QFontMetrics& metrics) const;
    bool HasIcon(int index) const;
    void PaintCell(QPainter& painter, const Cell& cell) const;
    void PaintIcon(QPainter& painter, int index, const QRect& area, const Look& look) const;
    void PaintCaption(QPainter& painter, int index, const QRect& area, const Look& look) const;
    void PaintBadge(QPainter& painter, int index, const QRect& area, const Look& look) const;
    void PaintCheckBox(QPainter& painter, int index, const QRect& area, const Look& look) const;

    const BarModel& model_;
    const BarAppearance& appearance_;
};
