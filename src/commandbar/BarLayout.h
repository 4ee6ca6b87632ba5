#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <QString>

#include <optional>
#include <vector>

class BarAppearance;
class BarModel;

// Where the bar's items go, worked out in twips as the suite places its
// controls and kept in pixels until the next relayout, so that the mouse and
// the painting never recompute it. Two presentations: a strip of icon cells,
// vertical or horizontal, with the captions under the icons; and the
// title-only flow of flat text buttons that wraps into rows. Nothing is
// placed above or left of the control.
class BarLayout {
public:
    // One shown item, in pixels.
    struct Place {
        int index;        // slot of the item
        QRect cell;       // the cell and its icon box; in the title-only presentation, the button
        QRect caption;    // empty when the caption is not shown
        QRect activeBar;  // the indicator beside the cell
        QString text;     // the caption as it fits
        bool large;       // no icon: the caption is larger and centred on the cell
    };

    // Cell width and the fixed bands of the strip, in twips. The cell is as
    // wide as the strip allows with the active bar beside it, so that the
    // suite's usual captions ("Consultar", "Impresora") fit under the icons.
    static constexpr double kCellWidth = 840;
    static constexpr double kStripWidth = 1020;
    static constexpr double kStripHeight = 975;

    BarLayout(const BarModel& model, const BarAppearance& appearance);

    // Places the items in a control of `size` pixels with captions in
    // `captionFont`. Until the control has a shape of its own (`shapeKnown`
    // false) an automatic orientation keeps to the Horizontal property.
    void Compute(const QSize& size, bool shapeKnown, const QFont& captionFont);

    const std::vector<Place>& Places() const { return places_; }
    // The place of a slot; nothing for an item that is not shown.
    const Place* PlaceOf(int index) const;
    // Everything an item paints, to repaint it alone.
    QRect AreaOf(int index) const;
    // The slot whose cell or shown caption holds `point`, or -1.
    int ItemAt(const QPoint& point) const;
    bool IsHorizontal() const { return horizontal_; }
    // The part of the control beyond the strip, painted in the fill colour.
    std::optional<QRect> FillArea() const { return fill_; }
    // The size that shows every item with the caption gaps at their widest;
    // in the title-only presentation, every button on one row.
    QSize Extent() const { return extent_; }
    // The height the title-only flow needs in a control `width` pixels wide.
    int TitleOnlyHeight(int width) const;

    // The caption font; a caption without an icon is two points larger.
    QFont CaptionFont(bool large) const;

    // Line breaks read as blanks; a caption wider than `width` shows its
    // beginning followed by "...", or only "..." when nothing else fits.
    static QString FitCaption(const QString& text, int width, const QFontMetrics& metrics);

private:
    // An item's place in twips, before it is turned into pixels.
    struct Spot {
        int index;
        QRectF cell;
    };

    void Measure(const QFont& captionFont);
    bool HasIcon(int index) const { return hasIcon_[static_cast<std::size_t>(index)]; }
    std::vector<int> ShownItems() const;
    bool IsGroupBreak(int index) const;
    double CaptionGap(double innerHeight, int shown) const;
    std::vector<Spot> StripSpots(double innerHeight) const;
    std::vector<Spot> TitleSpots(double innerWidth) const;
    double TitleWidth(int index, double available) const;
    void PlaceStripItem(const Spot& spot);
    void PlaceTitleItem(const Spot& spot);
    void LayOutStrip(const QSize& size);
    void LayOutTitleOnly(const QSize& size);
    void Store(Place place);

    const BarModel& model_;
    const BarAppearance& appearance_;
    // What every item's placing needs, measured once per layout.
    QFont captionFont_;
    QFontMetrics metrics_{captionFont_};
    QFontMetrics largeMetrics_{captionFont_};
    double captionHeight_ = 0;
    std::vector<bool> hasIcon_;
    std::vector<Place> places_;
    std::vector<int> placeOfSlot_;
    std::optional<QRect> fill_;
    QSize extent_;
    bool horizontal_ = false;
};
