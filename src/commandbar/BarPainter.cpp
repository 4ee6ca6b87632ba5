#include "commandbar/BarPainter.h"

#include "commandbar/BarAppearance.h"
#include "commandbar/BarModel.h"
#include "commandbar/BuiltinPictures.h"
#include "platform/VbText.h"
#include "platform/ui/Twips.h"
#include "platform/ui/VbColor.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPixmapCache>

#include <algorithm>

namespace {

constexpr double kStripTopTwips = 90;
constexpr double kBarWidthTwips = 1020;
constexpr int kCellGap = 2;
constexpr int kCaptionPadding = 6;
constexpr int kIconMargin = 4;
constexpr int kActiveBarWidth = 3;
constexpr int kLargerCaptionPoints = 2;
constexpr int kHoverShift = 14;
constexpr int kDisabledShift = -6;
constexpr int kBorderShift = 40;
constexpr double kDisabledIconOpacity = 0.35;
constexpr int kBadgeHeight = 15;
constexpr int kBadgeInset = 2;
constexpr int kDotRadius = 4;
constexpr int kDotShadowShift = -45;
constexpr int kCheckBoxSide = 12;
constexpr int kCheckShadowShift = -55;
constexpr int kCheckFaintShift = 34;
constexpr int kBadgeLimit = 99;
const QString kEllipsis = QStringLiteral("...");
constexpr qint32 kCaptionColor = vb::RGB(255, 255, 255);
constexpr qint32 kActiveCaptionColor = vb::RGB(250, 250, 250);
constexpr qint32 kDisabledCaptionColor = vb::RGB(138, 138, 138);
constexpr qint32 kBadgeColor = vb::RGB(0, 120, 215);
constexpr qint32 kBadgeTextColor = vb::RGB(255, 255, 255);
constexpr qint32 kDisabledBadgeTextColor = vb::RGB(120, 120, 120);
constexpr qint32 kCheckBoxColor = vb::RGB(238, 238, 238);

QColor Shifted(qint32 colour, int delta) { return vb::ToQColor(vb::ShiftColor(colour, delta)); }

// Icon files are read once and kept in the toolkit's picture cache.
QPixmap PictureFile(const QString& path)
{
    QPixmap picture;
    if (path.isEmpty() || QPixmapCache::find(path, &picture)) return picture;
    if (picture.load(path)) QPixmapCache::insert(path, picture);
    return picture;
}

QRect CentredIn(const QRect& area, const QSize& size)
{
    QRect rect(QPoint(0, 0), size);
    rect.moveCenter(area.center());
    return rect;
}

}  // namespace

struct BarPainter::Look {
    bool enabled;
    bool active;
    QColor back;
    QColor caption;
};

BarPainter::BarPainter(const BarModel& model, const BarAppearance& appearance) : model_(model), appearance_(appearance)
{
}

std::vector<BarPainter::Cell> BarPainter::Cells(int width, const QFontMetrics& metrics) const
{
    std::vector<Cell> cells;
    const int height = CellHeight(metrics);
    int top = vb::PixelsFromTwips(kStripTopTwips);
    for (int i = 0; i < model_.Count(); ++i) {
        if (!model_.Item(i).visible) continue;
        cells.push_back({i, QRect(0, top, width, height)});
        top += height + kCellGap;
    }
    return cells;
}

int BarPainter::ItemAt(const QPoint& point, int width, const QFontMetrics& metrics) const
{
    for (const Cell& cell : Cells(width, metrics)) {
        if (cell.rect.contains(point)) return cell.index;
    }
    return BarModel::kNone;
}

QSize BarPainter::SizeHint(const QFontMetrics& metrics) const
{
    const std::vector<Cell> cells = Cells(vb::PixelsFromTwips(kBarWidthTwips), metrics);
    const int bottom = cells.empty() ? 0 : cells.back().rect.bottom();
    return {vb::PixelsFromTwips(kBarWidthTwips), bottom + vb::PixelsFromTwips(kStripTopTwips)};
}

void BarPainter::Paint(QPainter& painter, const QRect& area) const
{
    painter.fillRect(area, vb::ToQColor(appearance_.NormalBackColor()));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (const Cell& cell : Cells(area.width(), QFontMetrics(painter.font()))) PaintCell(painter, cell);
}

QString BarPainter::FitCaption(const QString& text, int width, const QFontMetrics& metrics)
{
    QString caption = text;
    caption.replace(u'\r', u' ').replace(u'\n', u' ');
    caption = vb::Trim(caption);
    if (caption.isEmpty() || metrics.horizontalAdvance(caption) <= width) return caption;
    for (qsizetype n = caption.size(); n >= 1; --n) {
        const QString shortened = caption.left(n) + kEllipsis;
        if (metrics.horizontalAdvance(shortened) <= width) return shortened;
    }
    return kEllipsis;
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

BarPainter::Look BarPainter::LookOf(int index) const
{
    const BarItem& item = model_.Item(index);
    const bool enabled = item.enabled && model_.BarEnabled();
    const bool checkable = model_.CheckStateOf(index).checkable;
    const bool active = enabled && !checkable && index == model_.ActiveIndex();
    const bool hover = enabled && !checkable && index == model_.HoverIndex();
    const qint32 normal = appearance_.NormalBackColor();
    if (!enabled) return {false, false, Shifted(normal, kDisabledShift), vb::ToQColor(kDisabledCaptionColor)};
    if (active) return {true, true, vb::ToQColor(appearance_.ActiveBackColor()), vb::ToQColor(kActiveCaptionColor)};
    return {true, false, hover ? Shifted(normal, kHoverShift) : vb::ToQColor(normal), vb::ToQColor(kCaptionColor)};
}

int BarPainter::IconAreaHeight() const { return vb::PixelsFromTwips(appearance_.ItemHeight()); }

int BarPainter::CellHeight(const QFontMetrics& metrics) const
{
    return IconAreaHeight() + metrics.height() + kCaptionPadding;
}

bool BarPainter::HasIcon(int index) const
{
    const BarItem& item = model_.Item(index);
    return item.hasFileIcon || BuiltinPictures::NumberOf(item.key) != BuiltinPictures::kNone;
}

void BarPainter::PaintCell(QPainter& painter, const Cell& cell) const
{
    const Look look = LookOf(cell.index);
    const QRect& rect = cell.rect;
    painter.fillRect(rect, look.back);
    if (look.active) {
        painter.fillRect(QRect(rect.left(), rect.top(), kActiveBarWidth, rect.height()),
                         vb::ToQColor(appearance_.ActiveBarColor()));
    }
    QRect marks = rect;
    if (HasIcon(cell.index)) {
        marks.setHeight(IconAreaHeight());
        PaintIcon(painter, cell.index, marks, look);
        PaintCaption(painter, cell.index, rect.adjusted(0, IconAreaHeight(), 0, 0), look);
    } else {
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(Shifted(appearance_.NormalBackColor(), kBorderShift));
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
        painter.restore();
        PaintCaption(painter, cell.index, rect, look);
    }
    PaintBadge(painter, cell.index, marks, look);
    PaintCheckBox(painter, cell.index, marks, look);
}

void BarPainter::PaintIcon(QPainter& painter, int index, const QRect& area, const Look& look) const
{
    const BarItem& item = model_.Item(index);
    const int side = std::min({appearance_.IconPx(), area.height() - 2 * kIconMargin, area.width() - 2 * kIconMargin});
    const QSize target(side, side);
    const QString file = model_.CurrentIconFile(index);
    const bool ownDisabledPicture = !look.enabled && item.hasFileIcon && !item.disabledIconFile.isEmpty();
    painter.save();
    if (!look.enabled && !ownDisabledPicture) painter.setOpacity(kDisabledIconOpacity);
    if (item.hasFileIcon) {
        QPixmap picture = PictureFile(file);
        if (picture.isNull()) picture = QPixmap::fromImage(item.filePicture);
        painter.drawPixmap(CentredIn(area, FitPicture(picture.size(), target)), picture);
    } else {
        BuiltinPictures::Draw(painter, BuiltinPictures::NumberOf(item.key), CentredIn(area, target));
    }
    painter.restore();
}

void BarPainter::PaintCaption(QPainter& painter, int index, const QRect& area, const Look& look) const
{
    const bool large = !HasIcon(index);
    painter.save();
    if (large) {
        QFont font = painter.font();
        font.setPointSizeF(font.pointSizeF() + kLargerCaptionPoints);
        painter.setFont(font);
    }
    const QString text =
        FitCaption(model_.Item(index).caption, area.width() - kCaptionPadding, QFontMetrics(painter.font()));
    painter.setPen(look.caption);
    painter.drawText(area, Qt::AlignHCenter | (large ? Qt::AlignVCenter : Qt::AlignTop), text);
    painter.restore();
}

void BarPainter::PaintBadge(QPainter& painter, int index, const QRect& area, const Look& look) const
{
    const BarItem& item = model_.Item(index);
    painter.save();
    painter.setPen(Qt::NoPen);
    if (item.attention && item.badgeCount < 1) {
        const QPoint centre(area.right() - kBadgeInset - kDotRadius * 2, area.top() + kBadgeInset + kDotRadius * 2);
        painter.setBrush(Shifted(vb::FromQColor(look.back), kDotShadowShift));
        painter.drawEllipse(centre + QPoint(1, 1), kDotRadius, kDotRadius);
        painter.setBrush(vb::ToQColor(item.attentionColor));
        painter.drawEllipse(centre, kDotRadius, kDotRadius);
    } else if (item.badgeCount >= 1) {
        const QString text = BadgeText(item.badgeCount);
        QFont font = painter.font();
        font.setBold(true);
        painter.setFont(font);
        const int width = std::max(kBadgeHeight, QFontMetrics(font).horizontalAdvance(text) + kBadgeInset * 3);
        const QRect badge(area.right() - kBadgeInset - width, area.top() + kBadgeInset, width, kBadgeHeight);
        painter.setBrush(vb::ToQColor(item.attention ? item.attentionColor : kBadgeColor));
        painter.drawRoundedRect(badge, kBadgeHeight / 2.0, kBadgeHeight / 2.0);
        painter.setPen(vb::ToQColor(look.enabled ? kBadgeTextColor : kDisabledBadgeTextColor));
        painter.drawText(badge, Qt::AlignCenter, text);
    }
    painter.restore();
}

void BarPainter::PaintCheckBox(QPainter& painter, int index, const QRect& area, const Look& look) const
{
    const CheckFlags check = model_.CheckStateOf(index);
    if (!check.checkable) return;
    const QRectF box(area.left() + kActiveBarWidth + kBadgeInset, area.top() + kBadgeInset, kCheckBoxSide,
                     kCheckBoxSide);
    QPainterPath mark;
    mark.moveTo(box.left() + box.width() * 0.2, box.top() + box.height() * 0.55);
    mark.lineTo(box.left() + box.width() * 0.4, box.top() + box.height() * 0.75);
    mark.lineTo(box.left() + box.width() * 0.8, box.top() + box.height() * 0.25);
    const qint32 back = vb::FromQColor(look.back);
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(vb::ToQColor(kCheckBoxColor));
    painter.drawRect(box);
    if (check.checked) {
        painter.setPen(QPen(Shifted(back, kCheckShadowShift), 3));
        painter.drawPath(mark);
        painter.setPen(QPen(Qt::white, 1.5));
    } else {
        painter.setPen(QPen(Shifted(back, kCheckFaintShift), 1.5));
    }
    painter.drawPath(mark);
    painter.restore();
}
