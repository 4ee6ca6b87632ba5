#pragma once

#include "commandbar/BarAppearance.h"
#include "commandbar/BarModel.h"
#include "commandbar/BarPainter.h"

#include <QString>
#include <QWidget>

#include <optional>

// The suite's command bar: a strip of command items, each with an icon and a
// caption, that a window places along one edge. The window sets item states
// through this interface and learns the chosen command from Click, which
// carries the item's key in upper case ("NUEVO", "GRABAR", ...).
// Keys are compared trimmed and ignoring case; a method given an unknown key
// does nothing and a reader answers false. The whole bar takes input while
// the widget is enabled (setEnabled).
class UtilVex : public QWidget {
    Q_OBJECT
public:
    explicit UtilVex(QWidget* parent = nullptr);

    // Items.
    void ClearItems();
    // Adds an item, or updates the one with the same key; false for a blank key.
    bool AddItem(const QString& BTag, const QString& BCaption, const QString& BToolTip = {}, bool bCheckable = false);
    // Always false: icons come from the image folder.
    bool SetItemIcon(const QString& BTag, const QString& zFile);
    void SetItemBadge(const QString& BTag, qint32 nCount);
    void SetItemAttention(const QString& BTag, bool bAttention, qint32 nColor = -1);
    bool ItemAttention(const QString& BTag) const;
    void SetItemAviso(const QString& BTag, bool bAviso, qint32 nColor = -1);
    bool ItemAviso(const QString& BTag) const;
    void SetItemVisible(const QString& BTag, bool bVisible);
    bool ItemVisible(const QString& BTag) const;
    void SetItemEnabled(const QString& BTag, bool bEnabled);
    bool ItemEnabled(const QString& BTag) const;
    void SetActive(const QString& BTag);
    void SetItemCheckable(const QString& BTag, bool bCheckable);
    bool ItemCheckable(const QString& BTag) const;
    void SetItemChecked(const QString& BTag, bool bChecked);
    bool ItemChecked(const QString& BTag) const;

    void LoadDefaultItems();
    void LoadDefaultItemsReportes();
    void LoadVSCodeSample();
    void LoadIconsFromFolder(const QString& zFolder);
    void RefreshIcons();
    void ActualizarBotones();

    // Keyboard shortcuts a window forwards from its key-down handler (suite
    // key codes): Esc raises CANCELAR, or CERRAR when CANCELAR is not usable;
    // F2 GRABAR, F3 NUEVO, F4 REPORTE, F5 CONSULTAR, F6 PLANILLA, F10 BORRAR.
    // Only a visible, enabled item is raised; it is neither made active nor toggled.
    // True when the key raised a command: the host must not handle it again.
    bool KeyAnalisis(int KeyCode);

    // The printer and share items keep their check state at bar level.
    bool ImpresoraCheckable() const;
    void SetImpresoraCheckable(bool zValue);
    bool ImpresoraChecked() const;
    void SetImpresoraChecked(bool zValue);
    bool CompartirCheckable() const;
    void SetCompartirCheckable(bool zValue);
    bool CompartirChecked() const;
    void SetCompartirChecked(bool zValue);

    // The per-command properties N + "Enabled" and N + "Visible", by N
    // ("Nuevo", "Consulta", "consultar", "Grabar", ...). Every access first
    // loads the default items into an empty bar, so readers are not const; a
    // name outside the family reads false and ignores writes.
    bool CommandEnabled(const QString& name);
    void SetCommandEnabled(const QString& name, bool value);
    bool CommandVisible(const QString& name);
    void SetCommandVisible(const QString& name, bool value);

    // The same for the commands of a maintenance window.
    bool NuevoEnabled() { return CommandEnabled(QStringLiteral("Nuevo")); }
    void SetNuevoEnabled(bool value) { SetCommandEnabled(QStringLiteral("Nuevo"), value); }
    bool NuevoVisible() { return CommandVisible(QStringLiteral("Nuevo")); }
    void SetNuevoVisible(bool value) { SetCommandVisible(QStringLiteral("Nuevo"), value); }
    bool BorrarEnabled() { return CommandEnabled(QStringLiteral("Borrar")); }
    void SetBorrarEnabled(bool value) { SetCommandEnabled(QStringLiteral("Borrar"), value); }
    bool BorrarVisible() { return CommandVisible(QStringLiteral("Borrar")); }
    void SetBorrarVisible(bool value) { SetCommandVisible(QStringLiteral("Borrar"), value); }
    bool ReporteEnabled() { return CommandEnabled(QStringLiteral("Reporte")); }
    void SetReporteEnabled(bool value) { SetCommandEnabled(QStringLiteral("Reporte"), value); }
    bool ReporteVisible() { return CommandVisible(QStringLiteral("Reporte")); }
    void SetReporteVisible(bool value) { SetCommandVisible(QStringLiteral("Reporte"), value); }
    bool ConsultaEnabled() { return CommandEnabled(QStringLiteral("Consulta")); }
    void SetConsultaEnabled(bool value) { SetCommandEnabled(QStringLiteral("Consulta"), value); }
    bool ConsultaVisible() { return CommandVisible(QStringLiteral("Consulta")); }
    void SetConsultaVisible(bool value) { SetCommandVisible(QStringLiteral("Consulta"), value); }
    bool PlanillaEnabled() { return CommandEnabled(QStringLiteral("Planilla")); }
    void SetPlanillaEnabled(bool value) { SetCommandEnabled(QStringLiteral("Planilla"), value); }
    bool PlanillaVisible() { return CommandVisible(QStringLiteral("Planilla")); }
    void SetPlanillaVisible(bool value) { SetCommandVisible(QStringLiteral("Planilla"), value); }
    bool CancelarEnabled() { return CommandEnabled(QStringLiteral("Cancelar")); }
    void SetCancelarEnabled(bool value) { SetCommandEnabled(QStringLiteral("Cancelar"), value); }
    bool CancelarVisible() { return CommandVisible(QStringLiteral("Cancelar")); }
    void SetCancelarVisible(bool value) { SetCommandVisible(QStringLiteral("Cancelar"), value); }
    bool GrabarEnabled() { return CommandEnabled(QStringLiteral("Grabar")); }
    void SetGrabarEnabled(bool value) { SetCommandEnabled(QStringLiteral("Grabar"), value); }
    bool GrabarVisible() { return CommandVisible(QStringLiteral("Grabar")); }
    void SetGrabarVisible(bool value) { SetCommandVisible(QStringLiteral("Grabar"), value); }
    bool CerrarEnabled() { return CommandEnabled(QStringLiteral("Cerrar")); }
    void SetCerrarEnabled(bool value) { SetCommandEnabled(QStringLiteral("Cerrar"), value); }
    bool CerrarVisible() { return CommandVisible(QStringLiteral("Cerrar")); }
    void SetCerrarVisible(bool value) { SetCommandVisible(QStringLiteral("Cerrar"), value); }

    // Sizes in twips (IconPx and its other name TamanoIcono in pixels) and
    // colours as RGB integers with red in the low byte.
    double ItemHeight() const { return appearance_.ItemHeight(); }
    void SetItemHeight(double twips);  // at least 480
    double IconSize() const { return appearance_.IconSize(); }
    void SetIconSize(double twips);  // only above 0; sets IconPx to match
    int IconPx() const { return appearance_.IconPx(); }
    void SetIconPx(int pixels);  // 42 when not above 0; sets IconSize to match
    int TamanoIcono() const { return IconPx(); }
    void SetTamanoIcono(int pixels) { SetIconPx(pixels); }
    qint32 NormalBackColor() const { return appearance_.NormalBackColor(); }
    void SetNormalBackColor(qint32 colour);
    qint32 ActiveBackColor() const { return appearance_.ActiveBackColor(); }
    void SetActiveBackColor(qint32 colour);
    qint32 ActiveBarColor() const { return appearance_.ActiveBarColor(); }
    void SetActiveBarColor(qint32 colour);
    QString ImageFolder() const { return model_.ImageFolder(); }
    void SetImageFolder(const QString& folder);  // a trailing "/" is ensured; icons are reloaded

    // The items as the bar holds them: keys, captions, tool tips, badges, the
    // active and hover items.
    const BarModel& Items() const { return model_; }
    // Where the cell of a visible item is; empty for any other key.
    QRect ItemRect(const QString& BTag) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // A command was chosen; `Key` is the item's key in upper case.
    void Click(const QString& Key);
    // A checkable item was pressed (raised before its Click).
    void CheckClick(const QString& Caption, bool Checked);
    // A property the hosting window saves was written.
    void PropertyChanged(const QString& name);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void PressItem(int index);
    int ItemAt(const QPoint& point) const;
    void ShowToolTip(const QPoint& point, const QPoint& globalPoint);
    std::optional<QString> CommandKey(const QString& name);
    void SetFixedCheckable(BarModel::FixedItem item, bool value, const QString& property);
    void SetFixedChecked(BarModel::FixedItem item, bool value, const QString& property);
    void AppearanceChanged(const QString& property);
    void LayoutChanged();

    BarModel model_;
    BarAppearance appearance_;
    BarPainter painter_{model_, appearance_};
    int pressed_ = BarModel::kNone;
};
