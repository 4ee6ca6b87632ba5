#pragma once

#include "commandbar/BarAppearance.h"
#include "commandbar/BarLayout.h"
#include "commandbar/BarModel.h"

#include <QString>
#include <QWidget>

#include <optional>

class BarPropertyBag;

// The suite's command bar: a strip of command items, each with an icon and a
// caption, that a window places along one edge. The window sets item states
// through this interface and learns the chosen command from Click, which
// carries the item's key in upper case ("NUEVO", "GRABAR", ...).
// Keys are compared trimmed and ignoring case; a method given an unknown key
// does nothing and a reader answers false. The whole bar takes input while
// the widget is enabled (setEnabled). Its theme, caption font and image
// folder come from the suite's settings file (ModUtilVexBar).
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

    // Layout. Lengths in twips; every write lays the bar out again.
    bool Horizontal() const { return appearance_.Horizontal(); }
    void SetHorizontal(bool on);  // also turns AutoOrientacion off
    bool ModoHorizontal() const { return Horizontal(); }
    void SetModoHorizontal(bool on) { SetHorizontal(on); }
    // Horizontal exactly when the control is at least as wide as it is high.
    bool AutoOrientacion() const { return appearance_.AutoOrientacion(); }
    void SetAutoOrientacion(bool on);
    bool ShowCaptions() const { return appearance_.ShowCaptions(); }
    void SetShowCaptions(bool on);
    bool MostrarTitulo() const { return ShowCaptions(); }
    void SetMostrarTitulo(bool on) { SetShowCaptions(on); }
    bool ConTitulo() const { return ShowCaptions(); }
    void SetConTitulo(bool on) { SetShowCaptions(on); }
    // Flat text buttons that wrap into rows instead of icon cells.
    bool SoloTitulo() const { return appearance_.SoloTitulo(); }
    void SetSoloTitulo(bool on);
    double ItemHeight() const { return appearance_.ItemHeight(); }
    void SetItemHeight(double twips);  // at least 480
    double ItemGap() const { return appearance_.ItemGap(); }
    void SetItemGap(double twips);  // at least -300
    double ButtonGap() const { return ItemGap(); }
    void SetButtonGap(double twips) { SetItemGap(twips); }
    double SeparacionBotones() const { return ItemGap(); }
    void SetSeparacionBotones(double twips) { SetItemGap(twips); }
    double TopOffset() const { return appearance_.TopOffset(); }
    void SetTopOffset(double twips);
    double TopBotones() const { return TopOffset(); }
    void SetTopBotones(double twips) { SetTopOffset(twips); }
    // Extra room after the item keyed GroupBreakAfterTag.
    double GroupGap() const { return appearance_.GroupGap(); }
    void SetGroupGap(double twips);  // a negative gap is 0
    QString GroupBreakAfterTag() const { return appearance_.GroupBreakAfterTag(); }
    void SetGroupBreakAfterTag(const QString& key);  // kept trimmed and in upper case
    QString GroupBreakTag() const { return GroupBreakAfterTag(); }
    void SetGroupBreakTag(const QString& key) { SetGroupBreakAfterTag(key); }

    // Changes between BeginUpdate and the matching EndUpdate lay the bar out
    // once, at the end.
    void BeginUpdate();
    void EndUpdate();
    void Relayout();

    // Icon size in twips, or in pixels as IconPx and its other name TamanoIcono.
    double IconSize() const { return appearance_.IconSize(); }
    void SetIconSize(double twips);  // only above 0; sets IconPx to match
    int IconPx() const { return appearance_.IconPx(); }
    void SetIconPx(int pixels);  // 42 when not above 0; sets IconSize to match
    int TamanoIcono() const { return IconPx(); }
    void SetTamanoIcono(int pixels) { SetIconPx(pixels); }
    QString ImageFolder() const { return model_.ImageFolder(); }
    void SetImageFolder(const QString& folder);  // a trailing "/" is ensured; icons are reloaded

    // Colour themes 1 ... 5; colours as RGB integers with red in the low byte.
    int Estilo() const { return appearance_.Theme(); }
    void SetEstilo(int nStyle);  // outside 1 ... 5, theme 2
    int Theme() const { return appearance_.Theme(); }
    // The value is not used: the settings file chooses the theme again for
    // the present user and data base.
    void SetTheme(int nStyle);
    void ApplyColorStyle(int nStyle);
    // The dark activity-bar look: vertical, 42-pixel icons whatever
    // `TamIconoPx` says, taller cells without captions. The theme number stays.
    void AplicarEstiloVSCode(bool MostrarTitulos, int TamIconoPx);
    bool EstiloVSCode() const { return appearance_.EstiloVSCode(); }
    void SetEstiloVSCode(bool on);
    qint32 NormalBackColor() const { return appearance_.NormalBackColor(); }
    void SetNormalBackColor(qint32 colour);
    qint32 ActiveBackColor() const { return appearance_.ActiveBackColor(); }
    void SetActiveBackColor(qint32 colour);
    qint32 ActiveBarColor() const { return appearance_.ActiveBarColor(); }
    void SetActiveBarColor(qint32 colour);
    // The user and data base whose theme the bar takes; blank for the present ones.
    QString ContextUserName() const { return appearance_.ContextUserName(); }
    void SetContextUserName(const QString& name);
    QString ContextDbName() const { return appearance_.ContextDbName(); }
    void SetContextDbName(const QString& name);
    bool DebugMode() const { return appearance_.DebugMode(); }
    void SetDebugMode(bool on);

    // The properties the hosting window keeps for the bar.
    void WriteProperties(BarPropertyBag& bag) const;
    // Reads them back as the window is created: sizes and layout as saved,
    // the theme and the image folder from the settings file, then the
    // commands' states and their icons.
    void ReadProperties(const BarPropertyBag& bag);

    // The items as the bar holds them: keys, captions, tool tips, badges, the
    // active and hover items; and where they are shown.
    const BarModel& Items() const { return model_; }
    const BarLayout& Layout() const { return layout_; }
    // Where the cell of a visible item is; empty for any other key.
    QRect ItemRect(const QString& BTag) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;

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
    void resizeEvent(QResizeEvent* event) override;
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
    void ApplyCaptionFont();
    int ThemeFromContext() const;
    void RepaintItem(int index);
    void FollowShape();

    BarModel model_;
    BarAppearance appearance_;
    BarLayout layout_{model_, appearance_};
    int pressed_ = BarModel::kNone;
    int updateDepth_ = 0;
    bool relayoutPending_ = false;
    QSize laidOutExtent_;
    QSizePolicy shapePolicy_;
};
