#pragma once

#include <QString>
#include <QtGlobal>

// The bar's layout and style properties in the suite's units: lengths in
// twips, the icon size also in pixels, colours as RGB integers with red in
// the low byte. Each setter keeps its value within its limits. The values
// start as those of a new bar, with the colours of the default theme.
class BarAppearance {
public:
    static constexpr double kDefaultItemHeight = 520;
    static constexpr double kMinItemHeight = 480;
    static constexpr double kMinItemGap = -300;
    static constexpr double kDefaultTopOffset = 10;
    static constexpr int kDefaultIconPx = 42;

    BarAppearance();

    double ItemHeight() const { return itemHeight_; }
    void SetItemHeight(double twips);  // at least 480
    double ItemGap() const { return itemGap_; }
    void SetItemGap(double twips);  // at least -300
    double TopOffset() const { return topOffset_; }
    void SetTopOffset(double twips) { topOffset_ = twips; }
    double GroupGap() const { return groupGap_; }
    void SetGroupGap(double twips);  // a negative gap is 0
    QString GroupBreakAfterTag() const { return groupBreakAfterTag_; }
    void SetGroupBreakAfterTag(const QString& key);  // kept trimmed and in upper case

    bool ShowCaptions() const { return showCaptions_; }
    void SetShowCaptions(bool on) { showCaptions_ = on; }
    bool SoloTitulo() const { return soloTitulo_; }
    void SetSoloTitulo(bool on) { soloTitulo_ = on; }
    bool Horizontal() const { return horizontal_; }
    void SetHorizontal(bool on);  // also turns AutoOrientacion off
    bool AutoOrientacion() const { return autoOrientacion_; }
    void SetAutoOrientacion(bool on) { autoOrientacion_ = on; }

    // IconSize (twips) and IconPx (pixels) are one size in two units.
    double IconSize() const { return iconSize_; }
    void SetIconSize(double twips);  // only a size above 0 is taken
    int IconPx() const { return iconPx_; }
    void SetIconPx(int pixels);  // not above 0 gives the default

    int Theme() const { return theme_; }
    // Takes a theme's number and its three colours; outside 1 ... 5, theme 2.
    void ApplyTheme(int number);
    qint32 NormalBackColor() const { return normalBackColor_; }
    void SetNormalBackColor(qint32 colour) { normalBackColor_ = colour; }
    qint32 ActiveBackColor() const { return activeBackColor_; }
    void SetActiveBackColor(qint32 colour) { activeBackColor_ = colour; }
    qint32 ActiveBarColor() const { return activeBarColor_; }
    void SetActiveBarColor(qint32 colour) { activeBarColor_ = colour; }

    bool EstiloVSCode() const { return estiloVSCode_; }
    void SetEstiloVSCode(bool on) { estiloVSCode_ = on; }
    bool DebugMode() const { return debugMode_; }
    void SetDebugMode(bool on) { debugMode_ = on; }
    QString ContextUserName() const { return contextUserName_; }
    void SetContextUserName(const QString& name);  // kept trimmed
    QString ContextDbName() const { return contextDbName_; }
    void SetContextDbName(const QString& name);  // kept trimmed

    // The colours the painting uses. The title-only presentation never shows
    // light buttons: a light normal or active colour gives way to the theme's.
    qint32 PanelBackColor() const;
    qint32 HighlightBackColor() const;
    qint32 PanelFillColor() const;  // beyond the strip: the panel colour, lighter

private:
    double itemHeight_ = kDefaultItemHeight;
    double itemGap_ = 0;
    double topOffset_ = kDefaultTopOffset;
    double groupGap_ = 0;
    QString groupBreakAfterTag_;
    bool showCaptions_ = true;
    bool soloTitulo_ = false;
    bool horizontal_ = false;
    bool autoOrientacion_ = true;
    double iconSize_ = 0;
    int iconPx_ = kDefaultIconPx;
    int theme_ = 0;
    qint32 normalBackColor_ = 0;
    qint32 activeBackColor_ = 0;
    qint32 activeBarColor_ = 0;
    bool estiloVSCode_ = false;
    bool debugMode_ = false;
    QString contextUserName_;
    QString contextDbName_;
};
