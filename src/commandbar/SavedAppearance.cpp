#include "commandbar/SavedAppearance.h"

#include "commandbar/BarAppearance.h"
#include "commandbar/BarPropertyBag.h"
#include "platform/ui/Twips.h"
#include "platform/ui/VbColor.h"

namespace SavedAppearance {

namespace {

// Defaults of the saved values. The item height reads back with the default
// it is written with, so that a bar saved at 520 twips comes back at 520.
constexpr float kItemHeight = 520;
constexpr float kTopOffset = 10;
constexpr float kIconSize = 480;
constexpr qint16 kIconPx = 32;
constexpr qint16 kTheme = 2;
constexpr qint32 kNormalBackColor = vb::RGB(52, 52, 52);
constexpr qint32 kActiveBackColor = vb::RGB(64, 64, 64);
constexpr qint32 kActiveBarColor = vb::RGB(255, 255, 255);
// An "ItemGap" saved without its alias "ButtonGap" or "SeparacionBotones"
// reads as no gap when it holds the value it defaults to.
constexpr float kLoneItemGap = 30;
constexpr float kMissing = 32767;

void WriteBool(BarPropertyBag& bag, const char* name, bool value, bool defaultValue)
{
    bag.WriteProperty(name, value, defaultValue);
}

void WriteSingle(BarPropertyBag& bag, const char* name, double value, float defaultValue)
{
    bag.WriteProperty(name, static_cast<float>(value), defaultValue);
}

void WriteInteger(BarPropertyBag& bag, const char* name, int value, qint16 defaultValue)
{
    bag.WriteProperty(name, QVariant::fromValue(static_cast<qint16>(value)), QVariant::fromValue(defaultValue));
}

void WriteColour(BarPropertyBag& bag, const char* name, qint32 value, qint32 defaultValue)
{
    bag.WriteProperty(name, value, defaultValue);
}

void WriteText(BarPropertyBag& bag, const char* name, const QString& value)
{
    bag.WriteProperty(name, value, QString(""));
}

bool ReadBool(const BarPropertyBag& bag, const char* name, bool defaultValue)
{
    return bag.ReadProperty(name, defaultValue).toBool();
}

double ReadSingle(const BarPropertyBag& bag, const char* name, double defaultValue)
{
    return bag.ReadProperty(name, static_cast<float>(defaultValue)).toFloat();
}

QString ReadText(const BarPropertyBag& bag, const char* name, const QString& defaultValue)
{
    return bag.ReadProperty(name, defaultValue).toString();
}

double ReadItemGap(const BarPropertyBag& bag)
{
    const double itemGap = ReadSingle(bag, "ItemGap", kLoneItemGap);
    double gap = ReadSingle(bag, "ButtonGap", kMissing);
    if (gap == kMissing) gap = ReadSingle(bag, "SeparacionBotones", kMissing);
    if (gap != kMissing) return gap;
    return itemGap == kLoneItemGap ? 0 : itemGap;
}

int ReadIconPx(const BarPropertyBag& bag)
{
    const double iconSize = ReadSingle(bag, "IconSize", kIconSize);
    const int iconPx = bag.ReadProperty("IconPx", vb::PixelsFromTwips(iconSize)).toInt();
    return bag.ReadProperty("TamanoIcono", iconPx).toInt();
}

}  // namespace

void WriteLayout(const BarAppearance& appearance, BarPropertyBag& bag)
{
    WriteBool(bag, "ShowCaptions", appearance.ShowCaptions(), true);
    WriteBool(bag, "SoloTitulo", appearance.SoloTitulo(), false);
    WriteBool(bag, "MostrarTitulo", appearance.ShowCaptions(), true);
    WriteBool(bag, "ConTitulo", appearance.ShowCaptions(), true);
    WriteBool(bag, "Horizontal", appearance.Horizontal(), false);
    WriteBool(bag, "ModoHorizontal", appearance.Horizontal(), false);
    WriteBool(bag, "AutoOrientacion", appearance.AutoOrientacion(), true);
    WriteSingle(bag, "ItemHeight", appearance.ItemHeight(), kItemHeight);
    for (const char* name : {"ItemGap", "ButtonGap", "SeparacionBotones"}) {
        WriteSingle(bag, name, appearance.ItemGap(), 0);
    }
    WriteSingle(bag, "TopOffset", appearance.TopOffset(), kTopOffset);
    WriteSingle(bag, "TopBotones", appearance.TopOffset(), kTopOffset);
    WriteSingle(bag, "GroupGap", appearance.GroupGap(), 0);
    WriteText(bag, "GroupBreakAfterTag", appearance.GroupBreakAfterTag());
    WriteText(bag, "GroupBreakTag", appearance.GroupBreakAfterTag());
    WriteSingle(bag, "IconSize", appearance.IconSize(), kIconSize);
    WriteInteger(bag, "IconPx", appearance.IconPx(), kIconPx);
    WriteInteger(bag, "TamanoIcono", appearance.IconPx(), kIconPx);
    WriteInteger(bag, "Estilo", appearance.Theme(), kTheme);
    WriteInteger(bag, "Theme", appearance.Theme(), kTheme);
    WriteColour(bag, "NormalBackColor", appearance.NormalBackColor(), kNormalBackColor);
    WriteColour(bag, "ActiveBackColor", appearance.ActiveBackColor(), kActiveBackColor);
    WriteColour(bag, "ActiveBarColor", appearance.ActiveBarColor(), kActiveBarColor);
}

void WriteContext(const BarAppearance& appearance, BarPropertyBag& bag)
{
    WriteText(bag, "ContextUserName", appearance.ContextUserName());
    WriteText(bag, "ContextDbName", appearance.ContextDbName());
    WriteBool(bag, "DebugMode", appearance.DebugMode(), false);
    WriteBool(bag, "EstiloVSCode", appearance.EstiloVSCode(), false);
}

void ReadLayout(const BarPropertyBag& bag, BarAppearance& appearance)
{
    appearance.SetShowCaptions(ReadBool(bag, "ShowCaptions", true));
    appearance.SetSoloTitulo(ReadBool(bag, "SoloTitulo", false));
    for (const char* alias : {"MostrarTitulo", "ConTitulo"}) {
        appearance.SetShowCaptions(ReadBool(bag, alias, appearance.ShowCaptions()));
    }
    const bool horizontal = ReadBool(bag, "Horizontal", false);
    appearance.SetHorizontal(ReadBool(bag, "ModoHorizontal", horizontal));
    appearance.SetAutoOrientacion(ReadBool(bag, "AutoOrientacion", true));
    appearance.SetItemHeight(ReadSingle(bag, "ItemHeight", kItemHeight));
    appearance.SetItemGap(ReadItemGap(bag));
    appearance.SetTopOffset(ReadSingle(bag, "TopOffset", ReadSingle(bag, "TopBotones", kTopOffset)));
    appearance.SetGroupGap(ReadSingle(bag, "GroupGap", 0));
    appearance.SetGroupBreakAfterTag(ReadText(bag, "GroupBreakAfterTag", ReadText(bag, "GroupBreakTag", {})));
    appearance.SetIconPx(ReadIconPx(bag));
}

void ReadContext(const BarPropertyBag& bag, BarAppearance& appearance)
{
    appearance.SetContextUserName(ReadText(bag, "ContextUserName", {}));
    appearance.SetContextDbName(ReadText(bag, "ContextDbName", {}));
    appearance.SetDebugMode(ReadBool(bag, "DebugMode", false));
    appearance.SetEstiloVSCode(ReadBool(bag, "EstiloVSCode", false));
}

}  // namespace SavedAppearance
