#include "commandbar/BarModel.h"

#include "commandbar/IconFiles.h"
#include "commandbar/ItemSets.h"
#include "platform/ErrorVB.h"
#include "platform/VbText.h"
#include "platform/ui/KeyCodes.h"

#include <QHash>
#include <QStringList>

#include <algorithm>

namespace {

const QString kImpresora = QStringLiteral("IMPRESORA");
const QString kCompartir = QStringLiteral("COMPARTIR");

// The items a shortcut key code tries, in order; the first usable one is raised.
const QHash<int, QStringList>& ShortcutTargets()
{
    static const QHash<int, QStringList> targets{
        {vb::vbKeyEscape, {"CANCELAR", "CERRAR"}},
        {vb::vbKeyF2, {"GRABAR"}},
        {vb::vbKeyF3, {"NUEVO"}},
        {vb::vbKeyF4, {"REPORTE"}},
        {vb::vbKeyF5, {"CONSULTAR"}},
        {vb::vbKeyF6, {"PLANILLA"}},
        {vb::vbKeyF10, {"BORRAR"}},
    };
    return targets;
}

// The name on the keyboard of a shortcut's key code.
QString KeyName(int keyCode)
{
    return keyCode == vb::vbKeyEscape ? QStringLiteral("Esc") : QStringLiteral("F%1").arg(keyCode - vb::vbKeyF1 + 1);
}

// The key code that raises an item; nothing for an item without one.
std::optional<int> ShortcutOf(const QString& key)
{
    for (auto it = ShortcutTargets().cbegin(); it != ShortcutTargets().cend(); ++it) {
        if (it.value().contains(key, Qt::CaseInsensitive)) return it.key();
    }
    return std::nullopt;
}

// The image folder, listed once for all the icon files looked up in it;
// nothing when no folder name can be made.
std::optional<os::FolderListing> ListedImageFolder(const QString& imageFolder)
{
    const QString folder = IconFiles::ResolveImageFolder(imageFolder);
    if (folder.isEmpty()) return std::nullopt;
    return os::FolderListing(folder);
}

QImage PictureFile(const QString& path) { return path.isEmpty() ? QImage() : QImage(path); }

}  // namespace

BarModel::BarModel(QObject* parent) : QObject(parent), items_(kInitialCapacity + 1) {}

void BarModel::SetBarEnabled(bool enabled)
{
    enabled_ = enabled;
    if (!enabled) hover_ = kNone;
    emit layoutChanged();
}

int BarModel::FindItem(const QString& key) const
{
    const QString wanted = vb::Trim(key).toUpper();
    if (wanted.isEmpty()) return kNone;
    for (int i = 0; i < count_; ++i) {
        if (Item(i).key.toUpper() == wanted) return i;
    }
    return kNone;
}

bool BarModel::IsItemUsable(const QString& key) const
{
    const int index = FindItem(key);
    return index != kNone && Item(index).visible && Item(index).enabled;
}

void BarModel::ClearItems()
{
    ClearAllSlots();
    emit layoutChanged();
}

bool BarModel::AddItem(const QString& BTag, const QString& BCaption, const QString& BToolTip, bool bCheckable)
{
    const QString key = vb::Trim(BTag);
    if (key.isEmpty()) return false;
    int index = FindItem(key);
    if (index == kNone) index = AppendSlot();
    BarItem& item = Slot(index);
    item.key = key;
    item.caption = BCaption;
    item.toolTip = vb::IsBlank(BToolTip) ? BCaption : BToolTip;
    item.visible = true;
    SetIconFiles(index, ListedImageFolder(imageFolder_));
    LoadItemIcon(index);
    emit layoutChanged();
    SetItemCheckable(key, bCheckable);
    return true;
}

void BarModel::SetItemBadge(const QString& BTag, qint32 nCount)
{
    const int index = FindItem(BTag);
    if (index == kNone) return;
    Slot(index).badgeCount = std::max(nCount, 0);
    emit itemChanged(index);
}

void BarModel::SetItemAttention(const QString& BTag, bool bAttention, qint32 nColor)
{
    const int index = FindItem(BTag);
    if (index == kNone) return;
    BarItem& item = Slot(index);
    item.attention = bAttention;
    if (nColor != -1) item.attentionColor = nColor;
    emit itemChanged(index);
}

bool BarModel::ItemAttention(const QString& BTag) const
{
    const int index = FindItem(BTag);
    return index != kNone && Item(index).attention;
}

void BarModel::SetItemVisible(const QString& BTag, bool bVisible)
{
    const int index = FindItem(BTag);
    if (index == kNone || Item(index).visible == bVisible) return;
    Slot(index).visible = bVisible;
    if (!bVisible && active_ == index) active_ = kNone;
    emit layoutChanged();
}

bool BarModel::ItemVisible(const QString& BTag) const
{
    const int index = FindItem(BTag);
    return index != kNone && Item(index).visible;
}

void BarModel::SetItemEnabled(const QString& BTag, bool bEnabled)
{
    const int index = FindItem(BTag);
    if (index == kNone || Item(index).enabled == bEnabled) return;
    Slot(index).enabled = bEnabled;
    if (!bEnabled) {
        if (active_ == index) active_ = kNone;
        if (hover_ == index) hover_ = kNone;
    }
    emit itemChanged(index);
}

bool BarModel::ItemEnabled(const QString& BTag) const
{
    const int index = FindItem(BTag);
    return index != kNone && Item(index).enabled;
}

void BarModel::SetActive(const QString& BTag)
{
    if (!IsItemUsable(BTag)) return;
    active_ = FindItem(BTag);
    emit layoutChanged();
}

void BarModel::SetItemCheckable(const QString& BTag, bool bCheckable)
{
    const int index = FindItem(BTag);
    if (index == kNone) return;
    CheckFlags& check = CheckOf(index);
    check.checkable = bCheckable;
    if (!bCheckable) check.checked = false;
    emit itemChanged(index);
}

bool BarModel::ItemCheckable(const QString& BTag) const
{
    const int index = FindItem(BTag);
    return index != kNone && CheckStateOf(index).checkable;
}

void BarModel::SetItemChecked(const QString& BTag, bool bChecked)
{
    const int index = FindItem(BTag);
    if (index == kNone || !CheckStateOf(index).checkable) return;
    CheckOf(index).checked = bChecked;
    emit itemChanged(index);
}

bool BarModel::ItemChecked(const QString& BTag) const
{
    const int index = FindItem(BTag);
    return index != kNone && CheckStateOf(index).checked;
}

CheckFlags BarModel::FixedCheck(FixedItem item) const { return item == FixedItem::Impresora ? impresora_ : compartir_; }

void BarModel::SetFixedCheckable(FixedItem item, bool checkable)
{
    CheckFlags& check = FixedFlags(item);
    check.checkable = checkable;
    if (!checkable) check.checked = false;
    emit layoutChanged();
}

void BarModel::SetFixedChecked(FixedItem item, bool checked)
{
    CheckFlags& check = FixedFlags(item);
    if (!check.checkable) return;
    check.checked = checked;
    emit layoutChanged();
}

// Each default item takes its own caption and picture; a caption left on the
// cell by an earlier set is not carried over, since it would name another command.
void BarModel::LoadDefaultItems()
{
    ClearAllSlots();
    for (const ItemSets::Definition& item : ItemSets::DefaultItems()) {
        FillSlot(AppendSlot(), item.key, item.caption, item.toolTip, ItemSets::IsStandardKey(item.key));
    }
    emit layoutChanged();
}

void BarModel::LoadDefaultItemsReportes()
{
    ClearAllSlots();
    for (const ItemSets::Definition& item : ItemSets::ReportItems()) {
        FillSlot(AppendSlot(), item.key, item.caption, item.toolTip, true);
    }
    emit layoutChanged();
}

void BarModel::LoadVSCodeSample()
{
    ClearItems();
    for (const ItemSets::Definition& item : ItemSets::SampleItems()) {
        AddItem(item.key, item.caption, item.toolTip, false);
    }
}

void BarModel::EnsureItems()
{
    if (count_ < 1) LoadDefaultItems();
}

void BarModel::SetImageFolder(const QString& zFolder)
{
    imageFolder_ = IconFiles::WithTrailingSeparator(zFolder);
    RefreshIcons();
}

void BarModel::RefreshIcons()
{
    const std::optional<os::FolderListing> folder = ListedImageFolder(imageFolder_);
    for (int i = 0; i < count_; ++i) {
        SetIconFiles(i, folder);
        LoadItemIcon(i);
    }
    emit layoutChanged();
}

QString BarModel::CurrentIconFile(int index) const
{
    const BarItem& item = Item(index);
    switch (CurrentIconVariant(index)) {
    case IconVariant::Hover: return item.hoverIconFile;
    case IconVariant::Disabled: return item.disabledIconFile;
    case IconVariant::Normal: break;
    }
    return item.normalIconFile;
}

const QImage& BarModel::CurrentIconPicture(int index) const
{
    const IconPictures& pictures = Item(index).pictures;
    switch (CurrentIconVariant(index)) {
    case IconVariant::Hover: return pictures.hover.isNull() ? pictures.normal : pictures.hover;
    case IconVariant::Disabled: return pictures.disabled.isNull() ? pictures.normal : pictures.disabled;
    case IconVariant::Normal: break;
    }
    return pictures.normal;
}

bool BarModel::IsPressable(int index) const
{
    return enabled_ && IsInUse(index) && Item(index).visible && Item(index).enabled;
}

std::optional<bool> BarModel::ToggleChecked(int index)
{
    CheckFlags& check = CheckOf(index);
    if (!check.checkable) return std::nullopt;
    check.checked = !check.checked;
    return check.checked;
}

void BarModel::MakeActive(int index)
{
    const int former = active_;
    active_ = index;
    if (former != index && IsInUse(former)) emit itemChanged(former);
    emit itemChanged(index);
}

void BarModel::SetHover(int index)
{
    if (index < kNone || index >= count_ || !enabled_) index = kNone;
    if (hover_ == index) return;
    const int former = hover_;
    hover_ = index;
    if (former != kNone) emit itemChanged(former);
    if (index != kNone) emit itemChanged(index);
}

void BarModel::ClearActiveAndHover()
{
    active_ = kNone;
    hover_ = kNone;
    emit layoutChanged();
}

// A disabled bar takes no input, from the keyboard either.
QString BarModel::ShortcutKey(int KeyCode) const
{
    if (!enabled_) return {};
    const QStringList candidates = ShortcutTargets().value(KeyCode);
    const auto usable =
        std::find_if(candidates.cbegin(), candidates.cend(), [this](const QString& key) { return IsItemUsable(key); });
    return usable == candidates.cend() ? QString() : *usable;
}

QString BarModel::ToolTipText(int index) const
{
    const BarItem& item = Item(index);
    const std::optional<int> keyCode = ShortcutOf(item.key);
    return keyCode ? item.toolTip + " (" + KeyName(*keyCode) + ")" : item.toolTip;
}

BarModel::IconVariant BarModel::CurrentIconVariant(int index) const
{
    const BarItem& item = Item(index);
    const bool enabled = IsItemEnabled(index);
    if (!enabled && !item.disabledIconFile.isEmpty()) return IconVariant::Disabled;
    const bool highlighted = index == hover_ || index == active_;
    if (enabled && highlighted && !item.hoverIconFile.isEmpty()) return IconVariant::Hover;
    return IconVariant::Normal;
}

bool BarModel::IsItemEnabled(int index) const { return Item(index).enabled && enabled_; }

std::optional<BarModel::FixedItem> BarModel::FixedItemOf(int index) const
{
    const QString key = Item(index).key.toUpper();
    if (key == kImpresora) return FixedItem::Impresora;
    if (key == kCompartir) return FixedItem::Compartir;
    return std::nullopt;
}

CheckFlags& BarModel::FixedFlags(FixedItem item) { return item == FixedItem::Impresora ? impresora_ : compartir_; }

CheckFlags& BarModel::CheckOf(int index)
{
    const std::optional<FixedItem> fixed = FixedItemOf(index);
    return fixed ? FixedFlags(*fixed) : Slot(index).check;
}

CheckFlags BarModel::CheckStateOf(int index) const
{
    const std::optional<FixedItem> fixed = FixedItemOf(index);
    return fixed ? FixedCheck(*fixed) : Item(index).check;
}

// Capacity grows n -> 2n + 1 from the present highest index, up to the
// largest 16-bit index.
void BarModel::GrowTo(int index)
{
    int highest = Capacity();
    if (index <= highest) return;
    while (highest < index) highest = std::min(2 * highest + 1, kMaxItems);
    items_.resize(static_cast<std::size_t>(highest) + 1);
}

void BarModel::ClearAllSlots()
{
    std::fill(items_.begin(), items_.end(), BarItem{});
    count_ = 0;
    active_ = kNone;
    hover_ = kNone;
}

int BarModel::AppendSlot()
{
    if (count_ >= kMaxItems) throw ErroresVB::desbordamiento();
    const int index = count_;
    GrowTo(index);
    Slot(index) = BarItem{};
    ++count_;
    return index;
}

void BarModel::FillSlot(int index, const QString& key, const QString& caption, const QString& toolTip, bool visible)
{
    BarItem& item = Slot(index);
    item.key = key;
    item.caption = caption;
    item.toolTip = toolTip;
    item.visible = visible;
}

void BarModel::SetIconFiles(int index, const std::optional<os::FolderListing>& folder)
{
    const IconFiles files = folder ? IconFiles::Find(*folder, Item(index).key) : IconFiles{};
    BarItem& item = Slot(index);
    item.normalIconFile = files.normal;
    item.hoverIconFile = files.hover;
    item.disabledIconFile = files.disabled;
}

// The pictures are read from their files each time, so a file changed on
// disk shows after the next refresh. Any picture format the toolkit reads is
// taken; a file that cannot be read leaves the item with its built-in picture.
void BarModel::LoadItemIcon(int index)
{
    BarItem& item = Slot(index);
    item.lastPaintedFile.clear();
    item.lastPaintedColor = BarItem::kForceRedraw;
    const QImage picture = PictureFile(item.normalIconFile);
    if (picture.isNull()) {
        RestoreBaseIcon(index);
        return;
    }
    item.pictures = {picture, PictureFile(item.hoverIconFile), PictureFile(item.disabledIconFile)};
    item.hasFileIcon = true;
}

void BarModel::RestoreBaseIcon(int index)
{
    BarItem& item = Slot(index);
    item.hasFileIcon = false;
    item.pictures = {};
}
