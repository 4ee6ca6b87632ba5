#include "commandbar/BarLayout.h"

#include "commandbar/BarAppearance.h"
#include "commandbar/BarModel.h"
#include "commandbar/BuiltinPictures.h"
#include "platform/VbText.h"
#include "platform/ui/Twips.h"

#include <QFontMetrics>

#include <algorithm>
#include <limits>

namespace {

// The strip, in twips.
constexpr double kStripMargin = 120;      // left of the first cell, and between cells across
constexpr double kVerticalTop = 80;       // below TopOffset, the first cell of a vertical strip
constexpr double kHorizontalLift = 60;    // above TopOffset, the cells of a horizontal strip
constexpr double kCaptionBand = 400;      // the room a caption takes under its cell
constexpr double kCaptionSpacing = 10;    // between a cell and its caption
constexpr double kCaptionPadding = 45;    // around the caption's text height
constexpr double kWidestCaptionGap = 20;  // extra room under a caption
constexpr double kBottomReserve = 60;     // kept free under the last caption
constexpr double kCaptionMargin = 20;     // kept free beside a caption's text
constexpr double kActiveBarOffset = 80;   // left of the cell
constexpr double kActiveBarWidth = 60;
constexpr double kStripBottomMargin = 45;  // under the captions of a horizontal strip

// The title-only flow, in twips.
constexpr double kFlowStart = 90;  // left margin, right margin and the gap added to ItemGap
constexpr double kFlowTop = 45;
constexpr double kFlowMinGap = 15;
constexpr double kRowMin = 255;
constexpr double kRowMax = 420;
constexpr double kRowSpacing = 30;
constexpr double kFlowMinAvailable = 690;
constexpr double kTitlePadding = 420;
constexpr double kTitleMinWidth = 780;
constexpr double kTitleMargin = 30;

constexpr double kLargerCaptionPoints = 2;
const QString kEllipsis = QStringLiteral("...");
constexpr double kUnbounded = std::numeric_limits<double>::max() / 4;

double Twips(int pixels) { return vb::TwipsFromPixels(pixels); }

int Pixels(double twips) { return vb::PixelsFromTwips(twips); }

// Each edge is rounded on its own, so that neighbouring rectangles meet.
QRect PixelRect(const QRectF& twips)
{
    const QPoint topLeft(Pixels(twips.left()), Pixels(twips.top()));
    const QPoint bottomRight(Pixels(twips.right()), Pixels(twips.bottom()));
    return {topLeft, QSize(bottomRight.x() - topLeft.x(), bottomRight.y() - topLeft.y())};
}

QString OneLine(const QString& text)
{
    QString line = text;
    line.replace(u'\r', u' ').replace(u'\n', u' ');
    return vb::Trim(line);
}

}  // namespace

BarLayout::BarLayout(const BarModel& model, const BarAppearance& appearance) : model_(model), appearance_(appearance) {}

void BarLayout::Compute(const QSize& size, bool shapeKnown, const QFont& captionFont)
{
    Measure(captionFont);
    places_.clear();
    placeOfSlot_.assign(static_cast<std::size_t>(model_.Count()), -1);
    fill_.reset();
    const bool automatic = appearance_.AutoOrientacion() && shapeKnown;
    horizontal_ = automatic ? size.width() >= size.height() : appearance_.Horizontal();
    if (appearance_.SoloTitulo()) {
        LayOutTitleOnly(size);
    } else {
        LayOutStrip(size);
    }
}

const BarLayout::Place* BarLayout::PlaceOf(int index) const
{
    if (index < 0 || index >= static_cast<int>(placeOfSlot_.size())) return nullptr;
    const int place = placeOfSlot_[static_cast<std::size_t>(index)];
    return place < 0 ? nullptr : &places_[static_cast<std::size_t>(place)];
}

QRect BarLayout::AreaOf(int index) const
{
    const Place* place = PlaceOf(index);
    return place ? place->cell | place->caption | place->activeBar : QRect();
}

int BarLayout::ItemAt(const QPoint& point) const
{
    for (const Place& place : places_) {
        if (place.cell.contains(point) || place.caption.contains(point)) return place.index;
    }
    return BarModel::kNone;
}

int BarLayout::TitleOnlyHeight(int width) const
{
    const std::vector<Spot> spots = TitleSpots(Twips(width));
    return spots.empty() ? 0 : Pixels(spots.back().cell.bottom() + kFlowTop);
}

QFont BarLayout::CaptionFont(bool large) const
{
    QFont font = captionFont_;
    if (large) font.setPointSizeF(font.pointSizeF() + kLargerCaptionPoints);
    return font;
}

QString BarLayout::FitCaption(const QString& text, int width, const QFontMetrics& metrics)
{
    const QString caption = OneLine(text);
    if (caption.isEmpty() || metrics.horizontalAdvance(caption) <= width) return caption;
    // The longest beginning that fits with the ellipsis; text grows with each
    // character, so halving the range finds it in a few measurements.
    const auto fits = [&](qsizetype n) { return metrics.horizontalAdvance(caption.left(n) + kEllipsis) <= width; };
    qsizetype fitting = 0;
    qsizetype tooLong = caption.size() + 1;
    while (tooLong - fitting > 1) {
        const qsizetype middle = (fitting + tooLong) / 2;
        (fits(middle) ? fitting : tooLong) = middle;
    }
    return caption.left(fitting) + kEllipsis;
}

// A built-in picture is an icon as much as an icon file: its caption goes
// under it, not over it.
void BarLayout::Measure(const QFont& captionFont)
{
    captionFont_ = captionFont;
    metrics_ = QFontMetrics(captionFont_);
    largeMetrics_ = QFontMetrics(CaptionFont(true));
    captionHeight_ = std::max(Twips(metrics_.height()) + kCaptionPadding, kCaptionBand);
    hasIcon_.assign(static_cast<std::size_t>(model_.Count()), false);
    for (int i = 0; i < model_.Count(); ++i) {
        const BarItem& item = model_.Item(i);
        hasIcon_[static_cast<std::size_t>(i)] =
            item.hasFileIcon || BuiltinPictures::NumberOf(item.key) != BuiltinPictures::kNone;
    }
}

std::vector<int> BarLayout::ShownItems() const
{
    std::vector<int> shown;
    for (int i = 0; i < model_.Count(); ++i) {
        if (model_.Item(i).visible) shown.push_back(i);
    }
    return shown;
}

bool BarLayout::IsGroupBreak(int index) const
{
    const QString breakKey = appearance_.GroupBreakAfterTag();
    return appearance_.GroupGap() > 0 && !breakKey.isEmpty() && model_.Item(index).key.toUpper() == breakKey;
}

// The room under each caption shrinks, down to nothing, when the control is
// too short for every item.
double BarLayout::CaptionGap(double innerHeight, int shown) const
{
    if (shown <= 1) return kWidestCaptionGap;
    const double top = std::max(0.0, appearance_.TopOffset() + kVerticalTop);
    const double free = innerHeight - kBottomReserve - top - shown * (appearance_.ItemHeight() + kCaptionBand);
    return std::clamp(free / (shown - 1), 0.0, kWidestCaptionGap);
}

std::vector<BarLayout::Spot> BarLayout::StripSpots(double innerHeight) const
{
    const std::vector<int> shown = ShownItems();
    const double width = kCellWidth;
    const double height = appearance_.ItemHeight();
    const double gap = appearance_.ItemGap();
    const double captionStep = kCaptionBand + CaptionGap(innerHeight, static_cast<int>(shown.size()));
    const double step =
        horizontal_ ? width + kStripMargin + gap : height + gap + (appearance_.ShowCaptions() ? captionStep : 0);
    double x = kStripMargin;
    double y = std::max(0.0, appearance_.TopOffset() + (horizontal_ ? -kHorizontalLift : kVerticalTop));
    double& position = horizontal_ ? x : y;
    std::vector<Spot> spots;
    for (const int index : shown) {
        spots.push_back({index, QRectF(x, y, width, height)});
        position += step;
        if (IsGroupBreak(index)) position += appearance_.GroupGap();
    }
    return spots;
}

std::vector<BarLayout::Spot> BarLayout::TitleSpots(double innerWidth) const
{
    const double gap = std::max(appearance_.ItemGap() + kFlowStart, kFlowMinGap);
    const double row = std::clamp(appearance_.ItemHeight() / 2, kRowMin, kRowMax);
    const double available = std::max(innerWidth - kFlowStart, kFlowMinAvailable);
    double x = kFlowStart;
    double y = kFlowTop;
    std::vector<Spot> spots;
    for (const int index : ShownItems()) {
        const double width = TitleWidth(index, available);
        if (x > kFlowStart && x + width > available) {
            x = kFlowStart;
            y += row + kRowSpacing;
        }
        spots.push_back({index, QRectF(x, y, width, row)});
        x += width + gap;
    }
    return spots;
}

double BarLayout::TitleWidth(int index, double available) const
{
    const double text = Twips(largeMetrics_.horizontalAdvance(OneLine(model_.Item(index).caption)));
    return std::min(std::max(text + kTitlePadding, kTitleMinWidth), available - kFlowStart);
}

void BarLayout::PlaceStripItem(const Spot& spot)
{
    const bool icon = HasIcon(spot.index);
    const QRectF& cell = spot.cell;
    const QRectF caption =
        icon ? QRectF(cell.left(), cell.bottom() + kCaptionSpacing, cell.width(), captionHeight_) : cell;
    const bool captionShown = !icon || appearance_.ShowCaptions();
    const QFontMetrics& metrics = icon ? metrics_ : largeMetrics_;
    // The active bar runs down to the caption, or only along the cell when captions are hidden.
    const double barBottom = captionShown ? caption.bottom() : cell.bottom();
    Place place{spot.index,
                PixelRect(cell),
                QRect(),
                PixelRect(QRectF(cell.left() - kActiveBarOffset, cell.top(), kActiveBarWidth, barBottom - cell.top())),
                QString(),
                !icon};
    if (captionShown) {
        place.caption = PixelRect(caption);
        place.text = FitCaption(model_.Item(spot.index).caption, Pixels(cell.width() - kCaptionMargin), metrics);
    }
    Store(place);
}

void BarLayout::PlaceTitleItem(const Spot& spot)
{
    const QRect button = PixelRect(spot.cell);
    const QString text =
        FitCaption(model_.Item(spot.index).caption, Pixels(spot.cell.width() - kTitleMargin), largeMetrics_);
    Store({spot.index, button, button, QRect(), text, true});
}

void BarLayout::LayOutStrip(const QSize& size)
{
    for (const Spot& spot : StripSpots(Twips(size.height()))) PlaceStripItem(spot);
    const double innerWidth = Twips(size.width());
    const double innerHeight = Twips(size.height());
    if (horizontal_ && innerHeight > kStripHeight) {
        fill_ = QRect(QPoint(0, Pixels(kStripHeight + 1)), QPoint(size.width() - 1, size.height() - 1));
    } else if (!horizontal_ && innerWidth > kStripWidth) {
        fill_ = QRect(QPoint(Pixels(kStripWidth), 0), QPoint(size.width() - 1, size.height() - 1));
    }

    const std::vector<Spot> natural = StripSpots(kUnbounded);
    double bottom = 0;
    for (const Spot& spot : natural) {
        const bool captionBelow = HasIcon(spot.index) && appearance_.ShowCaptions();
        bottom = std::max(bottom, spot.cell.bottom() + (captionBelow ? kCaptionSpacing + captionHeight_ : 0));
    }
    if (horizontal_) {
        const double right = natural.empty() ? 0 : natural.back().cell.right();
        extent_ = QSize(Pixels(right + kStripMargin), Pixels(bottom + kStripBottomMargin));
    } else {
        extent_ = QSize(Pixels(kStripWidth), Pixels(bottom + kBottomReserve));
    }
}

void BarLayout::LayOutTitleOnly(const QSize& size)
{
    for (const Spot& spot : TitleSpots(Twips(size.width()))) PlaceTitleItem(spot);
    const std::vector<Spot> oneRow = TitleSpots(kUnbounded);
    extent_ = oneRow.empty() ? QSize(Pixels(kFlowMinAvailable), Pixels(kRowMin + 2 * kFlowTop))
                             : QSize(Pixels(oneRow.back().cell.right() + kFlowStart),
                                     Pixels(oneRow.back().cell.bottom() + kFlowTop));
}

void BarLayout::Store(Place place)
{
    placeOfSlot_[static_cast<std::size_t>(place.index)] = static_cast<int>(places_.size());
    places_.push_back(std::move(place));
}
