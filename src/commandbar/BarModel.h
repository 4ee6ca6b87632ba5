#pragma once

#include "commandbar/BarItem.h"
#include "platform/os/FolderListing.h"

#include <QObject>
#include <QString>

#include <optional>
#include <vector>

// The command bar's items and state: a table of slots (0 ... count-1 in use;
// grown, never shrunk), the active and hover items, whether the whole bar
// takes input, and the bar-level check state of the printer and share items.
// Keys are looked up trimmed and ignoring case; an unknown key makes a method
// do nothing and a reader answer false.
class BarModel : public QObject {
    Q_OBJECT
public:
    static constexpr int kNone = -1;
    static constexpr int kInitialCapacity = 18;  // highest slot index, so 19 slots
    static constexpr int kMaxItems = 32767;      // the item count is 16-bit

    // The two keys whose check state lives at bar level.
    enum class FixedItem { Impresora, Compartir };

    explicit BarModel(QObject* parent = nullptr);

    int Count() const { return count_; }
    int Capacity() const { return static_cast<int>(items_.size()) - 1; }
    const BarItem& Item(int index) const { return items_.at(static_cast<std::size_t>(index)); }
    int ActiveIndex() const { return active_; }
    int HoverIndex() const { return hover_; }
    bool BarEnabled() const { return enabled_; }
    void SetBarEnabled(bool enabled);  // disabling clears the hover item

    int FindItem(const QString& key) const;       // lowest slot with that key, or kNone
    bool IsItemUsable(const QString& key) const;  // exists, visible and enabled

    void ClearItems();
    bool AddItem(const QString& BTag, const QString& BCaption, const QString& BToolTip, bool bCheckable);
    void SetItemBadge(const QString& BTag, qint32 nCount);
    void SetItemAttention(const QString& BTag, bool bAttention, qint32 nColor);  // nColor -1 keeps the colour
    bool ItemAttention(const QString& BTag) const;
    void SetItemVisible(const QString& BTag, bool bVisible);
    bool ItemVisible(const QString& BTag) const;
    void SetItemEnabled(const QString& BTag, bool bEnabled);
    bool ItemEnabled(const QString& BTag) const;
    void SetActive(const QString& BTag);
    void SetItemCheckable(const QString& BTag, bool bCheckable);
    bool ItemCheckable(const QString& BTag) const;
    void SetItemChecked(const QString& BTag, bool bChecked);  // only while checkable
    bool ItemChecked(const QString& BTag) const;

    // Check state of the item in a slot: its own, or the bar's for the
    // printer and share items.
    CheckFlags CheckStateOf(int index) const;
    CheckFlags FixedCheck(FixedItem item) const;
    void SetFixedCheckable(FixedItem item, bool checkable);  // false also unchecks
    void SetFixedChecked(FixedItem item, bool checked);      // ignored while not checkable

    void LoadDefaultItems();
    void LoadDefaultItemsReportes();
    void LoadVSCodeSample();
    void EnsureItems();  // loads the default items when the table is empty

    QString ImageFolder() const { return imageFolder_; }
    void SetImageFolder(const QString& zFolder);  // then refreshes the icons
    void RefreshIcons();
    // The icon file to draw for the item's present state, and its picture;
    // empty and null for none.
    QString CurrentIconFile(int index) const;
    const QImage& CurrentIconPicture(int index) const;

    // A mouse press on an item, in its three steps: whether the item takes
    // it, the check toggle (the new state; nothing for an item that is not
    // checkable), and making it the active item.
    bool IsPressable(int index) const;
    std::optional<bool> ToggleChecked(int index);
    void MakeActive(int index);

    void SetHover(int index);
    void ClearActiveAndHover();  // the bar lost the focus
    // The key a shortcut raises for a key code (Esc, F2 ... F6, F10): only a
    // usable item of an enabled bar; empty when none.
    QString ShortcutKey(int KeyCode) const;
    // The item's tooltip followed by the key that raises it, as "(F2)".
    QString ToolTipText(int index) const;

signals:
    void itemChanged(int index);  // one item's look changed
    void layoutChanged();         // items came, went or changed place

private:
    BarItem& Slot(int index) { return items_[static_cast<std::size_t>(index)]; }
    bool IsInUse(int index) const { return index >= 0 && index < count_; }
    bool IsItemEnabled(int index) const;
    enum class IconVariant { Normal, Hover, Disabled };
    IconVariant CurrentIconVariant(int index) const;
    std::optional<FixedItem> FixedItemOf(int index) const;
    CheckFlags& FixedFlags(FixedItem item);
    CheckFlags& CheckOf(int index);
    void GrowTo(int index);
    void ClearAllSlots();
    int AppendSlot();
    void FillSlot(int index, const QString& key, const QString& caption, const QString& toolTip, bool visible);
    void LoadItemIcon(int index);
    void SetIconFiles(int index, const std::optional<os::FolderListing>& folder);
    void RestoreBaseIcon(int index);

    std::vector<BarItem> items_;
    int count_ = 0;
    int active_ = kNone;
    int hover_ = kNone;
    bool enabled_ = true;
    CheckFlags impresora_{true, false};
    CheckFlags compartir_;
    QString imageFolder_;
};
