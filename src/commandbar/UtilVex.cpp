#include "commandbar/UtilVex.h"

#include "commandbar/CommandProperties.h"
#include "platform/ErrorVB.h"

#include <QFocusEvent>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace {
const QString kCaptionFontFamily = QStringLiteral("Segoe UI");
constexpr double kCaptionPointSize = 8;
const QString kEnabledSuffix = QStringLiteral("Enabled");
const QString kVisibleSuffix = QStringLiteral("Visible");
}  // namespace

UtilVex::UtilVex(QWidget* parent) : QWidget(parent)
{
    QFont captionFont(kCaptionFontFamily);
    captionFont.setPointSizeF(kCaptionPointSize);
    setFont(captionFont);
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    connect(&model_, &BarModel::itemChanged, this, [this] { update(); });
    connect(&model_, &BarModel::layoutChanged, this, &UtilVex::LayoutChanged);
    model_.LoadDefaultItems();
}

void UtilVex::ClearItems() { model_.ClearItems(); }

bool UtilVex::AddItem(const QString& BTag, const QString& BCaption, const QString& BToolTip, bool bCheckable)
{
    return model_.AddItem(BTag, BCaption, BToolTip, bCheckable);
}

bool UtilVex::SetItemIcon(const QString&, const QString&) { return false; }

void UtilVex::SetItemBadge(const QString& BTag, qint32 nCount) { model_.SetItemBadge(BTag, nCount); }

void UtilVex::SetItemAttention(const QString& BTag, bool bAttention, qint32 nColor)
{
    model_.SetItemAttention(BTag, bAttention, nColor);
}

bool UtilVex::ItemAttention(const QString& BTag) const { return model_.ItemAttention(BTag); }

void UtilVex::SetItemAviso(const QString& BTag, bool bAviso, qint32 nColor) { SetItemAttention(BTag, bAviso, nColor); }

bool UtilVex::ItemAviso(const QString& BTag) const { return ItemAttention(BTag); }

void UtilVex::SetItemVisible(const QString& BTag, bool bVisible) { model_.SetItemVisible(BTag, bVisible); }

bool UtilVex::ItemVisible(const QString& BTag) const { return model_.ItemVisible(BTag); }

void UtilVex::SetItemEnabled(const QString& BTag, bool bEnabled) { model_.SetItemEnabled(BTag, bEnabled); }

bool UtilVex::ItemEnabled(const QString& BTag) const { return model_.ItemEnabled(BTag); }

void UtilVex::SetActive(const QString& BTag) { model_.SetActive(BTag); }

void UtilVex::SetItemCheckable(const QString& BTag, bool bCheckable) { model_.SetItemCheckable(BTag, bCheckable); }

bool UtilVex::ItemCheckable(const QString& BTag) const { return model_.ItemCheckable(BTag); }

void UtilVex::SetItemChecked(const QString& BTag, bool bChecked) { model_.SetItemChecked(BTag, bChecked); }

bool UtilVex::ItemChecked(const QString& BTag) const { return model_.ItemChecked(BTag); }

void UtilVex::LoadDefaultItems() { model_.LoadDefaultItems(); }

void UtilVex::LoadDefaultItemsReportes() { model_.LoadDefaultItemsReportes(); }

void UtilVex::LoadVSCodeSample() { model_.LoadVSCodeSample(); }

void UtilVex::LoadIconsFromFolder(const QString& zFolder) { SetImageFolder(zFolder); }

void UtilVex::RefreshIcons() { model_.RefreshIcons(); }

// The caption font is the bar's own, so bringing the buttons up to date is
// reloading their icons.
void UtilVex::ActualizarBotones() { RefreshIcons(); }

bool UtilVex::KeyAnalisis(int KeyCode)
{
    const QString key = model_.ShortcutKey(KeyCode);
    if (key.isEmpty()) return false;
    emit Click(key);
    return true;
}

bool UtilVex::ImpresoraCheckable() const { return model_.FixedCheck(BarModel::FixedItem::Impresora).checkable; }

void UtilVex::SetImpresoraCheckable(bool zValue)
{
    SetFixedCheckable(BarModel::FixedItem::Impresora, zValue, QStringLiteral("ImpresoraCheckable"));
}

bool UtilVex::ImpresoraChecked() const { return model_.FixedCheck(BarModel::FixedItem::Impresora).checked; }

void UtilVex::SetImpresoraChecked(bool zValue)
{
    SetFixedChecked(BarModel::FixedItem::Impresora, zValue, QStringLiteral("ImpresoraChecked"));
}

bool UtilVex::CompartirCheckable() const { return model_.FixedCheck(BarModel::FixedItem::Compartir).checkable; }

void UtilVex::SetCompartirCheckable(bool zValue)
{
    SetFixedCheckable(BarModel::FixedItem::Compartir, zValue, QStringLiteral("CompartirCheckable"));
}

bool UtilVex::CompartirChecked() const { return model_.FixedCheck(BarModel::FixedItem::Compartir).checked; }

void UtilVex::SetCompartirChecked(bool zValue)
{
    SetFixedChecked(BarModel::FixedItem::Compartir, zValue, QStringLiteral("CompartirChecked"));
}

bool UtilVex::CommandEnabled(const QString& name)
{
    const std::optional<QString> key = CommandKey(name);
    return key && model_.ItemEnabled(*key);
}

void UtilVex::SetCommandEnabled(const QString& name, bool value)
{
    const std::optional<QString> key = CommandKey(name);
    if (!key) return;
    model_.SetItemEnabled(*key, value);
    emit PropertyChanged(name + kEnabledSuffix);
}

bool UtilVex::CommandVisible(const QString& name)
{
    const std::optional<QString> key = CommandKey(name);
    return key && model_.ItemVisible(*key);
}

void UtilVex::SetCommandVisible(const QString& name, bool value)
{
    const std::optional<QString> key = CommandKey(name);
    if (!key) return;
    model_.SetItemVisible(*key, value);
    emit PropertyChanged(name + kVisibleSuffix);
}

void UtilVex::SetItemHeight(double twips)
{
    appearance_.SetItemHeight(twips);
    AppearanceChanged(QStringLiteral("ItemHeight"));
}

void UtilVex::SetIconSize(double twips)
{
    appearance_.SetIconSize(twips);
    AppearanceChanged(QStringLiteral("IconSize"));
}

void UtilVex::SetIconPx(int pixels)
{
    appearance_.SetIconPx(pixels);
    AppearanceChanged(QStringLiteral("IconPx"));
}

void UtilVex::SetNormalBackColor(qint32 colour)
{
    appearance_.SetNormalBackColor(colour);
    AppearanceChanged(QStringLiteral("NormalBackColor"));
}

void UtilVex::SetActiveBackColor(qint32 colour)
{
    appearance_.SetActiveBackColor(colour);
    AppearanceChanged(QStringLiteral("ActiveBackColor"));
}

void UtilVex::SetActiveBarColor(qint32 colour)
{
    appearance_.SetActiveBarColor(colour);
    AppearanceChanged(QStringLiteral("ActiveBarColor"));
}

void UtilVex::SetImageFolder(const QString& folder)
{
    model_.SetImageFolder(folder);
    emit PropertyChanged(QStringLiteral("ImageFolder"));
}

QRect UtilVex::ItemRect(const QString& BTag) const
{
    const int index = model_.FindItem(BTag);
    for (const BarPainter::Cell& cell : painter_.Cells(width(), fontMetrics())) {
        if (cell.index == index) return cell.rect;
    }
    return {};
}

QSize UtilVex::sizeHint() const { return painter_.SizeHint(fontMetrics()); }

QSize UtilVex::minimumSizeHint() const { return {sizeHint().width(), 0}; }

bool UtilVex::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip) return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    ShowToolTip(help->pos(), help->globalPos());
    return true;
}

void UtilVex::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter_.Paint(painter, rect());
}

void UtilVex::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) pressed_ = ItemAt(event->position().toPoint());
    QWidget::mousePressEvent(event);
}

// A click is a press and a release on the same cell.
void UtilVex::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        const int pressed = pressed_;
        pressed_ = BarModel::kNone;
        if (pressed != BarModel::kNone && ItemAt(event->position().toPoint()) == pressed) PressItem(pressed);
    }
    QWidget::mouseReleaseEvent(event);
}

void UtilVex::mouseMoveEvent(QMouseEvent* event)
{
    const int index = ItemAt(event->position().toPoint());
    const bool takesHover = index != BarModel::kNone && model_.Item(index).enabled;
    model_.SetHover(takesHover ? index : BarModel::kNone);
    QWidget::mouseMoveEvent(event);
}

// The pointer left the bar, so nothing is under it any more.
void UtilVex::leaveEvent(QEvent* event)
{
    model_.SetHover(BarModel::kNone);
    QWidget::leaveEvent(event);
}

// Only focus moving to another control clears the active item: a message box
// raised by a command, or switching windows, leaves it lit.
void UtilVex::focusOutEvent(QFocusEvent* event)
{
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) model_.ClearActiveAndHover();
    QWidget::focusOutEvent(event);
}

void UtilVex::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange) model_.SetBarEnabled(isEnabled());
    QWidget::changeEvent(event);
}

void UtilVex::PressItem(int index)
{
    if (!model_.IsPressable(index)) return;
    const QString key = model_.Item(index).key.toUpper();
    const QString caption = model_.Item(index).caption;
    try {
        if (const std::optional<bool> checked = model_.ToggleChecked(index)) emit CheckClick(caption, *checked);
        model_.MakeActive(index);
        emit Click(key);
    } catch (const ErrorVB&) {
        // The host treats its own errors; one that escapes its handler ends the press.
    }
}

int UtilVex::ItemAt(const QPoint& point) const { return painter_.ItemAt(point, width(), fontMetrics()); }

void UtilVex::ShowToolTip(const QPoint& point, const QPoint& globalPoint)
{
    const int index = ItemAt(point);
    if (index == BarModel::kNone) {
        QToolTip::hideText();
        return;
    }
    QToolTip::showText(globalPoint, model_.Item(index).toolTip, this);
}

std::optional<QString> UtilVex::CommandKey(const QString& name)
{
    model_.EnsureItems();
    return CommandProperties::KeyOf(name);
}

void UtilVex::SetFixedCheckable(BarModel::FixedItem item, bool value, const QString& property)
{
    model_.SetFixedCheckable(item, value);
    emit PropertyChanged(property);
}

void UtilVex::SetFixedChecked(BarModel::FixedItem item, bool value, const QString& property)
{
    if (!model_.FixedCheck(item).checkable) return;
    model_.SetFixedChecked(item, value);
    emit PropertyChanged(property);
}

void UtilVex::AppearanceChanged(const QString& property)
{
    LayoutChanged();
    emit PropertyChanged(property);
}

void UtilVex::LayoutChanged()
{
    updateGeometry();
    update();
}
