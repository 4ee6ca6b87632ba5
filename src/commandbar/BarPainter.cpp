#include "commandbar/BarPainter.h"

#include "commandbar/BarAppearance.h"
#include "commandbar/BarModel.h"
#include "commandbar/BarThemes.h"
#include "commandbar/BuiltinPictures.h"
#include "platform/ui/Twips.h"
#include "platform/ui/VbColor.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRegion>

#include <algorithm>
#include <array>

namespace {

constexpr int kBadgeLimit = 99;
constexpr int kActiveShift = -20;
constexpr int kDisabledShift = -6;
constexpr int kBorderShift = 40;
// The icon keeps this far inside its cell, in pixels.
constexpr int kIconMargin = 4;
// Grey disabled captions read on dark panels only; on lighter ones a
// disabled caption is the panel's own colour, lighter.
constexpr int kDarkPanelLimit = 96;
constexpr int kFaintCaptionShift = 60;
constexpr double kDisabledIconOpacity = 0.35;
constexpr qint32 kCaptionColor = vb::RGB(255, 255, 255);
constexpr qint32 kActiveCaptionColor = vb::RGB(250, 250, 250);
constexpr qint32 kDisabledCaptionColor = vb::RGB(138, 138, 138);
constexpr qint32 kDisabledTitleColor = vb::RGB(155, 155, 155);

// The badge and the attention dot, in twips from the cell's top-left corner.
constexpr double kBadgeRight = 315;
constexpr double kBadgeTop = 75;
constexpr double kBadgeWidth = 240;
constexpr double kBadgeHeight = 225;
constexpr int kBadgeTextPadding = 2;  // pixels each side of a count wider than the badge
const QString kBadgeFontFamily = QStringLiteral("MS Sans Serif");
constexpr double kBadgePointSize = 8.25;
constexpr qint32 kBadgeColor = vb::RGB(0, 120, 215);
constexpr qint32 kBadgeTextColor = vb::RGB(255, 255, 255);
constexpr qint32 kDisabledBadgeTextColor = vb::RGB(120, 120, 120);
constexpr double kDotRadius = 70;
constexpr double kDotRight = 98;
constexpr double kDotTop = 98;
constexpr double kDotShadowOffset = 10;
constexpr int kDotShadowShift = -45;

// The check box, in twips from the cell's top-right corner.
constexpr double kCheckSide = 230;
constexpr double kCheckInset = 14;
constexpr double kCheckClearMargin = 4;
constexpr qint32 kCheckBoxColor = vb::RGB(238, 238, 238);
constexpr int kCheckShadowShift = -55;
constexpr int kCheckFaintShift = 34;
// The check mark's two strokes through three points, in twips inside the box.
constexpr std::array<QPointF, 3> kCheckMark{{{45, 127}, {85, 167}, {179, 61}}};

double ToPixels(double twips)
{
    const double factor = vb::TwipsPerPixelX();
    return factor > 0 ? twips / factor : 0;
}

// A point given in twips from the top-left corner of a cell.
QPointF At(const QRect& cell, double x, double y)
{
    return QPointF(cell.topLeft()) + QPointF(ToPixels(x), ToPixels(y));
}

QRectF Part(const QRect& cell, double x, double y, double width, double height)
{
    return {At(cell, x, y), QSizeF(ToPixels(width), ToPixels(height))};
}

QColor Shifted(qint32 colour, int delta) { return vb::ToQColor(vb::ShiftColor(colour, delta)); }

QRect CentredIn(const QRect& area, const QSize& size)
{
    const QPoint offset(std::max(0, (area.width() - size.width()) / 2),
                        std::max(0, (area.height() - size.height()) / 2));
    return {area.topLeft() + offset, size};
}

}  // namespace

struct BarPainter::Look {
    bool enabled;
    bool active;  // pressed last, and not checkable
    qint32 back;
    qint32 caption;
};

BarPainter::BarPainter(const BarModel& model, const BarAppearance& appearance, const BarLayout& layout)
    : model_(model), appearance_(appearance), layout_(layout)
{
}

void BarPainter::Paint(QPainter& painter, const QRect& control, const QRegion& dirty) const
{
    painter.fillRect(control, vb::ToQColor(appearance_.PanelBackColor()));
    if (const std::optional<QRect> fill = layout_.FillArea()) {
        painter.fillRect(*fill, vb::ToQColor(appearance_.PanelFillColor()));
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (const BarLayout::Place& place : layout_.Places()) {
        if (dirty.intersects(layout_.AreaOf(place.index))) PaintItem(painter, place);
    }
}

QSize BarPainter::FitPicture(const QSize& picture, const QSize& target)
{
    if (picture.width() <= target.width() && picture.height() <= target.height()) return picture;
    return picture.scaled(target, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

QString BarPainter::BadgeText(qint32 count)
{
    if (count > kBadgeLimit) return QString::number(kBadgeLimit) + u'+';
    return count >= 1 ? QString::number(count) : QString();
}

// A checkable item shows its state by its check mark, never by the active
// or hover colour.
BarPainter::Look BarPainter::LookOf(int index) const
{
    const bool enabled = model_.Item(index).enabled && model_.BarEnabled();
    const bool checkable = model_.CheckStateOf(index).checkable;
    const bool active = !checkable && index == model_.ActiveIndex();
    const bool hover = !checkable && index == model_.HoverIndex();
    const qint32 panel = appearance_.PanelBackColor();
    qint32 back = active || hover ? appearance_.HighlightBackColor() : panel;
    if (appearance_.Theme() == BarThemes::kGreyTheme && (active || hover)) {
        back = active ? vb::ShiftColor(panel, kActiveShift) : panel;
    }
    if (!enabled) {
        const qint32 disabledBack = vb::ShiftColor(panel, kDisabledShift);
        return {false, false, disabledBack, DisabledCaptionColor(disabledBack)};
    }
    return {true, active, back, active ? kActiveCaptionColor : kCaptionColor};
}

qint32 BarPainter::DisabledCaptionColor(qint32 back) const
{
    if (BarThemes::Brightness(back) >= kDarkPanelLimit) return vb::ShiftColor(back, kFaintCaptionShift);
    return appearance_.SoloTitulo() ? kDisabledTitleColor : kDisabledCaptionColor;
}

void BarPainter::PaintItem(QPainter& painter, const BarLayout::Place& place) const
{
    const Look look = LookOf(place.index);
    if (appearance_.SoloTitulo()) {
        PaintTitleButton(painter, place, look);
        return;
    }
    // The cell and its caption are one item, without a seam between them.
    painter.fillRect(place.cell | place.caption, vb::ToQColor(look.back));
    if (look.active) painter.fillRect(place.activeBar, vb::ToQColor(appearance_.ActiveBarColor()));
    if (place.large) {
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(Shifted(appearance_.PanelBackColor(), kBorderShift));
        painter.drawRect(place.cell.adjusted(0, 0, -1, -1));
        painter.restore();
    } else {
        PaintIcon(painter, place.index, place.cell, look);
    }
    PaintCaption(painter, place, look);
    PaintBadge(painter, place.index, place.cell, look);
    PaintAttentionDot(painter, place.index, place.cell, look);
    PaintCheckBox(painter, place.index, place.cell, look);
}

void BarPainter::PaintTitleButton(QPainter& painter, const BarLayout::Place& place, const Look& look) const
{
    painter.fillRect(place.cell, vb::ToQColor(look.back));
    PaintCaption(painter, place, look);
}

// The icon keeps within its cell, clear of its edges; a disabled item without a picture of its
// own shows its icon faded.
void BarPainter::PaintIcon(QPainter& painter, int index, const QRect& cell, const Look& look) const
{
    const BarItem& item = model_.Item(index);
    const QRect box = cell.adjusted(kIconMargin, kIconMargin, -kIconMargin, -kIconMargin);
    const QSize target(std::min(appearance_.IconPx(), box.width()), std::min(appearance_.IconPx(), box.height()));
    const bool ownDisabledPicture = !look.enabled && !item.pictures.disabled.isNull();
    painter.save();
    painter.setClipRect(cell);
    if (!look.enabled && !ownDisabledPicture) painter.setOpacity(kDisabledIconOpacity);
    if (item.hasFileIcon) {
        const QImage& picture = model_.CurrentIconPicture(index);
        painter.drawImage(CentredIn(box, FitPicture(picture.size(), target)), picture);
    } else {
        const int side = std::min(target.width(), target.height());
        BuiltinPictures::Draw(painter, BuiltinPictures::NumberOf(item.key), CentredIn(box, QSize(side, side)));
    }
    painter.restore();
}

void BarPainter::PaintCaption(QPainter& painter, const BarLayout::Place& place, const Look& look) const
{
    if (place.caption.isEmpty()) return;
    painter.save();
    painter.setFont(layout_.CaptionFont(place.large));
    painter.setPen(vb::ToQColor(look.caption));
    const Qt::Alignment vertical = place.large ? Qt::AlignVCenter : Qt::AlignTop;
    painter.drawText(place.caption, Qt::AlignHCenter | vertical, place.text);
    painter.restore();
}

void BarPainter::PaintBadge(QPainter& painter, int index, const QRect& cell, const Look& look) const
{
    const BarItem& item = model_.Item(index);
    if (item.badgeCount < 1) return;
    QFont font(kBadgeFontFamily);
    font.setPointSizeF(kBadgePointSize);
    const QString text = BadgeText(item.badgeCount);
    // A count wider than the badge widens it to the left.
    QRectF badge = Part(cell, cell.width() * vb::TwipsPerPixelX() - kBadgeRight, kBadgeTop, kBadgeWidth, kBadgeHeight);
    badge.setLeft(
        std::min(badge.left(), badge.right() - QFontMetrics(font).horizontalAdvance(text) - 2 * kBadgeTextPadding));
    painter.save();
    painter.fillRect(badge, vb::ToQColor(item.attention ? item.attentionColor : kBadgeColor));
    painter.setFont(font);
    painter.setPen(vb::ToQColor(look.enabled ? kBadgeTextColor : kDisabledBadgeTextColor));
    painter.drawText(badge, Qt::AlignCenter, text);
    painter.restore();
}

void BarPainter::PaintAttentionDot(QPainter& painter, int index, const QRect& cell, const Look& look) const
{
    const BarItem& item = model_.Item(index);
    if (!item.attention || item.badgeCount >= 1) return;
    const double centreX = std::max(cell.width() * vb::TwipsPerPixelX() - kDotRight, kDotRadius);
    const double radius = ToPixels(kDotRadius);
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Shifted(look.back, kDotShadowShift));
    painter.drawEllipse(At(cell, centreX + kDotShadowOffset, kDotTop + kDotShadowOffset), radius, radius);
    painter.setBrush(vb::ToQColor(item.attentionColor));
    painter.drawEllipse(At(cell, centreX, kDotTop), radius, radius);
    painter.restore();
}

void BarPainter::PaintCheckBox(QPainter& painter, int index, const QRect& cell, const Look& look) const
{
    const CheckFlags check = model_.CheckStateOf(index);
    if (!check.checkable) return;
    const double x0 = std::max(cell.width() * vb::TwipsPerPixelX() - kCheckSide - kCheckInset, 0.0);
    const double y0 = kCheckInset;
    const auto stroke = [&](double shift) {
        for (std::size_t i = 1; i < kCheckMark.size(); ++i) {
            const QPointF from = kCheckMark[i - 1];
            const QPointF to = kCheckMark[i];
            painter.drawLine(At(cell, x0 + from.x() + shift, y0 + from.y() + shift),
                             At(cell, x0 + to.x() + shift, y0 + to.y() + shift));
        }
    };
    painter.save();
    painter.fillRect(Part(cell, x0 - kCheckClearMargin, y0 - kCheckClearMargin, kCheckSide + 2 * kCheckClearMargin,
                          kCheckSide + 2 * kCheckClearMargin),
                     vb::ToQColor(look.back));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(vb::ToQColor(kCheckBoxColor));
    painter.setRenderHint(QPainter::Antialiasing, false);  // a crisp box; the mark is smoothed
    painter.drawRect(Part(cell, x0, y0, kCheckSide, kCheckSide).toRect());
    painter.setRenderHint(QPainter::Antialiasing);
    if (check.checked) {
        painter.setPen(Shifted(look.back, kCheckShadowShift));
        stroke(0);
        painter.setPen(Qt::white);
        stroke(-1);
        stroke(1);
    } else {
        painter.setPen(Shifted(look.back, kCheckFaintShift));
        stroke(-1);
    }
    painter.restore();
}
