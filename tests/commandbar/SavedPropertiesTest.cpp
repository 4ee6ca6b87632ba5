#include "commandbar/MemoryPropertyBag.h"
#include "commandbar/ModUtilVexBar.h"
#include "commandbar/UtilVex.h"
#include "platform/ui/Twips.h"
#include "platform/ui/VbColor.h"
#include "support/ProgramTest.h"

#include <QStringList>

#include <memory>

namespace {

// Bars made in a program folder without settings, saved into and read back
// from a property bag as their window would.
class SavedProperties : public ProgramTest {
protected:
    std::unique_ptr<UtilVex> Reread(const BarPropertyBag& saved) const
    {
        auto bar = std::make_unique<UtilVex>();
        bar->ReadProperties(saved);
        return bar;
    }
};

}  // namespace

TEST_F(SavedProperties, ABarReadsBackAsItWasSaved)
{
    UtilVex bar;
    bar.SetShowCaptions(false);
    bar.SetSoloTitulo(true);
    bar.SetHorizontal(true);
    bar.SetItemHeight(700);
    bar.SetItemGap(-120);
    bar.SetTopOffset(200);
    bar.SetGroupGap(300);
    bar.SetGroupBreakAfterTag("consultar");
    bar.SetIconPx(24);
    bar.SetDebugMode(true);
    bar.SetContextUserName("ana");
    bar.SetContextDbName("emp02");
    bar.SetImpresoraChecked(true);
    bar.SetCompartirCheckable(true);
    bar.SetGrabarEnabled(false);
    bar.SetPlanillaVisible(true);
    bar.setEnabled(false);
    MemoryPropertyBag saved;
    bar.WriteProperties(saved);

    const std::unique_ptr<UtilVex> read = Reread(saved);
    EXPECT_FALSE(read->ShowCaptions());
    EXPECT_TRUE(read->SoloTitulo());
    EXPECT_TRUE(read->Horizontal());
    EXPECT_FALSE(read->AutoOrientacion());
    EXPECT_DOUBLE_EQ(read->ItemHeight(), 700);
    EXPECT_DOUBLE_EQ(read->ItemGap(), -120);
    EXPECT_DOUBLE_EQ(read->TopOffset(), 200);
    EXPECT_DOUBLE_EQ(read->GroupGap(), 300);
    EXPECT_EQ(read->GroupBreakAfterTag(), "CONSULTAR");
    EXPECT_EQ(read->IconPx(), 24);
    EXPECT_DOUBLE_EQ(read->IconSize(), vb::TwipsFromPixels(24));
    EXPECT_TRUE(read->DebugMode());
    EXPECT_EQ(read->ContextUserName(), "ana");
    EXPECT_EQ(read->ContextDbName(), "emp02");
    EXPECT_TRUE(read->ImpresoraChecked());
    EXPECT_TRUE(read->CompartirCheckable());
    EXPECT_FALSE(read->GrabarEnabled());
    EXPECT_TRUE(read->PlanillaVisible());
    EXPECT_TRUE(read->NuevoEnabled());
    EXPECT_FALSE(read->isEnabled());
}

TEST_F(SavedProperties, ValuesAtTheirDefaultsAreLeftOutButCommandStatesAlwaysGoIn)
{
    UtilVex bar;
    bar.SetIconPx(32);
    bar.SetEstilo(2);
    bar.SetNormalBackColor(vb::RGB(52, 52, 52));
    bar.SetActiveBackColor(vb::RGB(64, 64, 64));
    bar.SetActiveBarColor(vb::RGB(255, 255, 255));
    MemoryPropertyBag saved;
    bar.WriteProperties(saved);
    EXPECT_EQ(saved.Size(), 46) << "23 command names, enabled and visible";
    EXPECT_TRUE(saved.ReadProperty("cerrarvisible", false).toBool());
    EXPECT_FALSE(saved.ReadProperty("PlanillaVisible", true).toBool());
    EXPECT_TRUE(saved.Contains("CausEnabled"));
    EXPECT_FALSE(saved.ReadProperty("CausEnabled", true).toBool()) << "no such item: false";

    bar.SetTopOffset(11);
    bar.SetItemGap(30);
    bar.WriteProperties(saved);
    for (const char* name : {"TopOffset", "TopBotones", "ItemGap", "ButtonGap", "SeparacionBotones"}) {
        EXPECT_TRUE(saved.Contains(name)) << name;
    }
    EXPECT_EQ(saved.ReadProperty("ItemGap", 0).userType(), QMetaType::Float);
    bar.SetTopOffset(10);
    bar.WriteProperties(saved);
    EXPECT_FALSE(saved.Contains("TopOffset")) << "back at its default it is dropped";
}

TEST_F(SavedProperties, AnItemHeightSavedAtItsDefaultReadsBackTheSame)
{
    UtilVex bar;
    bar.SetItemHeight(600);
    bar.SetItemHeight(520);
    MemoryPropertyBag saved;
    bar.WriteProperties(saved);
    EXPECT_FALSE(saved.Contains("ItemHeight"));
    EXPECT_DOUBLE_EQ(Reread(saved)->ItemHeight(), 520);
}

TEST_F(SavedProperties, OtherNamesReplaceTheFirstAndAGapSavedAloneKeepsItsOldReading)
{
    MemoryPropertyBag saved;
    EXPECT_DOUBLE_EQ(Reread(saved)->ItemGap(), 0);
    saved.WriteProperty("ItemGap", 120.0f);
    EXPECT_DOUBLE_EQ(Reread(saved)->ItemGap(), 120);
    saved.WriteProperty("ItemGap", 30.0f);
    EXPECT_DOUBLE_EQ(Reread(saved)->ItemGap(), 0) << "an old bar's 30 meant no gap";
    saved.WriteProperty("SeparacionBotones", 45.0f);
    EXPECT_DOUBLE_EQ(Reread(saved)->ItemGap(), 45);
    saved.WriteProperty("ButtonGap", -900.0f);
    EXPECT_DOUBLE_EQ(Reread(saved)->ItemGap(), -300);

    MemoryPropertyBag aliases;
    aliases.WriteProperty("ShowCaptions", false);
    aliases.WriteProperty("ConTitulo", true);
    aliases.WriteProperty("Horizontal", true);
    aliases.WriteProperty("ModoHorizontal", false);
    aliases.WriteProperty("TopBotones", 250.0f);
    aliases.WriteProperty("GroupBreakTag", " grabar ");
    aliases.WriteProperty("IconSize", 360.0f);
    const std::unique_ptr<UtilVex> read = Reread(aliases);
    EXPECT_TRUE(read->ShowCaptions());
    EXPECT_FALSE(read->Horizontal());
    EXPECT_TRUE(read->AutoOrientacion()) << "not saved, so at its default";
    EXPECT_DOUBLE_EQ(read->TopOffset(), 250);
    EXPECT_EQ(read->GroupBreakAfterTag(), "GRABAR");
    EXPECT_EQ(read->IconPx(), vb::PixelsFromTwips(360));
}

TEST_F(SavedProperties, TheThemeAndTheImageFolderComeFromTheSettingsNotFromTheBag)
{
    writeProgramFile("du000ra.ini", "[" + ModUtilVexBar::BarUserName().toUpper()
                                        + "Styles]\r\nStyles=3\r\n[QuroGestion]\r\nPathSistema=/opt/quro\r\n");
    MemoryPropertyBag saved;
    saved.WriteProperty("Estilo", QVariant::fromValue<qint16>(5));
    saved.WriteProperty("NormalBackColor", vb::RGB(1, 2, 3));
    saved.WriteProperty("ImageFolder", "/otra/carpeta/");
    const std::unique_ptr<UtilVex> read = Reread(saved);
    EXPECT_EQ(read->Theme(), 4);
    EXPECT_EQ(read->NormalBackColor(), vb::RGB(135, 133, 150));
    EXPECT_EQ(read->ImageFolder(), "/opt/quro/img_menu/");

    // The activity-bar look comes after the sizes.
    saved.WriteProperty("EstiloVSCode", true);
    saved.WriteProperty("ItemHeight", 900.0f);
    saved.WriteProperty("Horizontal", true);
    const std::unique_ptr<UtilVex> dark = Reread(saved);
    EXPECT_TRUE(dark->EstiloVSCode());
    EXPECT_DOUBLE_EQ(dark->ItemHeight(), 520);
    EXPECT_FALSE(dark->Horizontal());
    EXPECT_EQ(dark->NormalBackColor(), vb::RGB(52, 52, 52));
}

TEST_F(SavedProperties, CommandStatesLoadTheDefaultItemsIntoAnEmptyBar)
{
    MemoryPropertyBag saved;
    saved.WriteProperty("AjustesVisible", true);
    saved.WriteProperty("consultarEnabled", false);
    UtilVex bar;
    bar.ClearItems();
    bar.ReadProperties(saved);
    EXPECT_EQ(bar.Items().Count(), 19);
    EXPECT_TRUE(bar.ItemVisible("AJUSTES"));
    EXPECT_FALSE(bar.ItemEnabled("CONSULTAR"));
    EXPECT_TRUE(bar.ItemVisible("NUEVO")) << "what is not saved keeps the item's own state";
}

TEST(MemoryPropertyBag, NamesIgnoreCaseAndValuesKeepTheirType)
{
    MemoryPropertyBag bag;
    bag.WriteProperty("IconPx", QVariant::fromValue<qint16>(24), QVariant::fromValue<qint16>(32));
    EXPECT_EQ(bag.ReadProperty("ICONPX", 0).userType(), QMetaType::Short);
    EXPECT_EQ(bag.ReadProperty("iconpx", 0).toInt(), 24);
    bag.WriteProperty("IconPx", QVariant::fromValue<qint16>(32), QVariant::fromValue<qint16>(32));
    EXPECT_FALSE(bag.Contains("IconPx"));
    EXPECT_EQ(bag.ReadProperty("IconPx", 7).toInt(), 7);
    bag.WriteProperty("Texto", QString(), QString(""));
    EXPECT_FALSE(bag.Contains("Texto")) << "an empty text is the empty default";
    bag.WriteProperty("Siempre", false);
    EXPECT_TRUE(bag.Contains("siempre"));
}
