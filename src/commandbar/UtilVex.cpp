#include "commandbar/UtilVex.h"

#include "commandbar/BarPainter.h"
#include "commandbar/BarPropertyBag.h"
#include "commandbar/CommandProperties.h"
#include "commandbar/ModUtilVexBar.h"
#include "commandbar/SavedAppearance.h"
#include "platform/ErrorVB.h"
#include "platform/ui/VbColor.h"

#include <QFocusEvent>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace {
constexpr double kCaptionPointSize = 7.5;
const QString kEnabledSuffix = QStringLiteral("Enabled");
const QString kVisibleSuffix = QStringLiteral("Visible");

// The activity-bar look.
constexpr int kVSCodeIconPx = 42;
constexpr double kVSCodeItemHeight = 520;
constexpr double kVSCodeItemHeightWithoutCaptions = 600;
constexpr qint32 kVSCodeNormalBack = vb::RGB(52, 52, 52);
constexpr qint32 kVSCodeActiveBack = vb::RGB(74, 74, 74);
constexpr qint32 kVSCodeActiveBar = vb::RGB(255, 255, 255);
}  // namespace

UtilVex::UtilVex(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
    connect(&model_, &BarModel::itemChanged, this, &UtilVex::RepaintItem);
    connect(&model_, &BarModel::layoutChanged, this, &UtilVex::Relayout);
    ApplyCaptionFont();
    appearance_.ApplyTheme(ThemeFromContext());
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

void UtilVex::ActualizarBotones()
{
    ApplyCaptionFont();
    RefreshIcons();
}

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

void UtilVex::SetHorizontal(bool on)
{
    appearance_.SetHorizontal(on);
    AppearanceChanged(QStringLiteral("Horizontal"));
}

void UtilVex::SetAutoOrientacion(bool on)
{
    appearance_.SetAutoOrientacion(on);
    AppearanceChanged(QStringLiteral("AutoOrientacion"));
}

void UtilVex::SetShowCaptions(bool on)
{
    appearance_.SetShowCaptions(on);
    AppearanceChanged(QStringLiteral("ShowCaptions"));
}

void UtilVex::SetSoloTitulo(bool on)
{
    appearance_.SetSoloTitulo(on);
    AppearanceChanged(QStringLiteral("SoloTitulo"));
}

void UtilVex::SetItemHeight(double twips)
{
    appearance_.SetItemHeight(twips);
    AppearanceChanged(QStringLiteral("ItemHeight"));
}

void UtilVex::SetItemGap(double twips)
{
    appearance_.SetItemGap(twips);
    AppearanceChanged(QStringLiteral("ItemGap"));
}

void UtilVex::SetTopOffset(double twips)
{
    appearance_.SetTopOffset(twips);
    AppearanceChanged(QStringLiteral("TopOffset"));
}

void UtilVex::SetGroupGap(double twips)
{
    appearance_.SetGroupGap(twips);
    AppearanceChanged(QStringLiteral("GroupGap"));
}

void UtilVex::SetGroupBreakAfterTag(const QString& key)
{
    appearance_.SetGroupBreakAfterTag(key);
    AppearanceChanged(QStringLiteral("GroupBreakAfterTag"));
}

void UtilVex::BeginUpdate() { ++updateDepth_; }

void UtilVex::EndUpdate()
{
    if (updateDepth_ == 0) return;
    --updateDepth_;
    if (updateDepth_ == 0 && relayoutPending_) Relayout();
}

// The layout is worked out here only, and kept: the mouse and the painting
// read it. The window's layout is asked again only when the bar's shape changed.
void UtilVex::Relayout()
{
    if (updateDepth_ > 0) {
        relayoutPending_ = true;
        return;
    }
    relayoutPending_ = false;
    layout_.Compute(size(), testAttribute(Qt::WA_Resized), font());
    FollowShape();
    update();
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

void UtilVex::SetImageFolder(const QString& folder)
{
    model_.SetImageFolder(folder);
    emit PropertyChanged(QStringLiteral("ImageFolder"));
}

void UtilVex::SetEstilo(int nStyle)
{
    ApplyColorStyle(nStyle);
    emit PropertyChanged(QStringLiteral("Estilo"));
}

void UtilVex::SetTheme(int)
{
    ApplyColorStyle(ThemeFromContext());
    emit PropertyChanged(QStringLiteral("Theme"));
}

void UtilVex::ApplyColorStyle(int nStyle)
{
    appearance_.ApplyTheme(nStyle);
    Relayout();
}

void UtilVex::AplicarEstiloVSCode(bool MostrarTitulos, int)
{
    appearance_.SetEstiloVSCode(true);
    appearance_.SetHorizontal(false);
    appearance_.SetShowCaptions(MostrarTitulos);
    appearance_.SetIconPx(kVSCodeIconPx);
    appearance_.SetItemHeight(MostrarTitulos ? kVSCodeItemHeight : kVSCodeItemHeightWithoutCaptions);
    appearance_.SetItemGap(0);
    appearance_.SetNormalBackColor(kVSCodeNormalBack);
    appearance_.SetActiveBackColor(kVSCodeActiveBack);
    appearance_.SetActiveBarColor(kVSCodeActiveBar);
    Relayout();
}

void UtilVex::SetEstiloVSCode(bool on)
{
    appearance_.SetEstiloVSCode(on);
    if (on) AplicarEstiloVSCode(ShowCaptions(), IconPx());
    AppearanceChanged(QStringLiteral("EstiloVSCode"));
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

void UtilVex::SetContextUserName(const QString& name)
{
    appearance_.SetContextUserName(name);
    ApplyColorStyle(ThemeFromContext());
    emit PropertyChanged(QStringLiteral("ContextUserName"));
}

void UtilVex::SetContextDbName(const QString& name)
{
    appearance_.SetContextDbName(name);
    ApplyColorStyle(ThemeFromContext());
    emit PropertyChanged(QStringLiteral("ContextDbName"));
}

void UtilVex::SetDebugMode(bool on)
{
    appearance_.SetDebugMode(on);
    emit PropertyChanged(QStringLiteral("DebugMode"));
}

void UtilVex::WriteProperties(BarPropertyBag& bag) const
{
    bag.WriteProperty(QStringLiteral("Enabled"), isEnabled(), true);
    SavedAppearance::WriteLayout(appearance_, bag);
    bag.WriteProperty(QStringLiteral("ImageFolder"), ImageFolder(), QString(""));
    SavedAppearance::WriteContext(appearance_, bag);
    bag.WriteProperty(QStringLiteral("ImpresoraCheckable"), ImpresoraCheckable(), true);
    bag.WriteProperty(QStringLiteral("ImpresoraChecked"), ImpresoraChecked(), false);
    bag.WriteProperty(QStringLiteral("CompartirCheckable"), CompartirCheckable(), false);
    bag.WriteProperty(QStringLiteral("CompartirChecked"), CompartirChecked(), false);
    CommandProperties::Write(model_, bag);
}

// The theme follows the context names the bar had before they are read.
void UtilVex::ReadProperties(const BarPropertyBag& bag)
{
    BeginUpdate();
    setEnabled(bag.ReadProperty(QStringLiteral("Enabled"), true).toBool());
    SavedAppearance::ReadLayout(bag, appearance_);
    appearance_.ApplyTheme(ThemeFromContext());
    model_.SetImageFolder(ModUtilVexBar::SystemImageFolder());
    SavedAppearance::ReadContext(bag, appearance_);
    model_.SetFixedCheckable(BarModel::FixedItem::Impresora,
                             bag.ReadProperty(QStringLiteral("ImpresoraCheckable"), true).toBool());
    model_.SetFixedChecked(BarModel::FixedItem::Impresora,
                           bag.ReadProperty(QStringLiteral("ImpresoraChecked"), false).toBool());
    model_.SetFixedCheckable(BarModel::FixedItem::Compartir,
                             bag.ReadProperty(QStringLiteral("CompartirCheckable"), false).toBool());
    model_.SetFixedChecked(BarModel::FixedItem::Compartir,
                           bag.ReadProperty(QStringLiteral("CompartirChecked"), false).toBool());
    if (EstiloVSCode()) AplicarEstiloVSCode(ShowCaptions(), IconPx());
    CommandProperties::Read(bag, model_);
    EndUpdate();
    RefreshIcons();
}

QRect UtilVex::ItemRect(const QString& BTag) const
{
    const BarLayout::Place* place = layout_.PlaceOf(model_.FindItem(BTag));
    return place ? place->cell : QRect();
}

QSize UtilVex::sizeHint() const { return layout_.Extent(); }

// A strip keeps its thickness; its length may be cut.
QSize UtilVex::minimumSizeHint() const
{
    if (SoloTitulo()) return {};
    const QSize extent = layout_.Extent();
    return layout_.IsHorizontal() ? QSize(0, extent.height()) : QSize(extent.width(), 0);
}

bool UtilVex::hasHeightForWidth() const { return SoloTitulo(); }

int UtilVex::heightForWidth(int width) const { return layout_.TitleOnlyHeight(width); }

bool UtilVex::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip) return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    ShowToolTip(help->pos(), help->globalPos());
    return true;
}

void UtilVex::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    BarPainter(model_, appearance_, layout_).Paint(painter, rect(), event->region());
}

void UtilVex::resizeEvent(QResizeEvent* event)
{
    Relayout();
    QWidget::resizeEvent(event);
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
    if (event->type() == QEvent::EnabledChange) {
        model_.SetBarEnabled(isEnabled());
        emit PropertyChanged(QStringLiteral("Enabled"));
    }
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

int UtilVex::ItemAt(const QPoint& point) const { return layout_.ItemAt(point); }

void UtilVex::ShowToolTip(const QPoint& point, const QPoint& globalPoint)
{
    const int index = ItemAt(point);
    if (index == BarModel::kNone) {
        QToolTip::hideText();
        return;
    }
    QToolTip::showText(globalPoint, model_.ToolTipText(index), this);
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
    Relayout();
    emit PropertyChanged(property);
}

void UtilVex::ApplyCaptionFont()
{
    QFont captionFont(ModUtilVexBar::CaptionFontName());
    captionFont.setPointSizeF(kCaptionPointSize);
    setFont(captionFont);
}

int UtilVex::ThemeFromContext() const { return ModUtilVexBar::ThemeFromSettings(ContextUserName(), ContextDbName()); }

void UtilVex::RepaintItem(int index) { update(layout_.AreaOf(index)); }

// A strip asks for room along its length, the title-only flow across the
// window. The bar changes its size policy only when its shape changes, so
// that one a window sets stays; the window lays the bar out again only when
// its size hint changed.
void UtilVex::FollowShape()
{
    QSizePolicy policy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    if (SoloTitulo()) {
        policy = QSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
        policy.setHeightForWidth(true);
    } else if (layout_.IsHorizontal()) {
        policy = QSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    }
    if (policy != shapePolicy_) {
        shapePolicy_ = policy;
        setSizePolicy(policy);
    }
    if (layout_.Extent() == laidOutExtent_) return;
    laidOutExtent_ = layout_.Extent();
    updateGeometry();
}
