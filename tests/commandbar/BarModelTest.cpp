#include "commandbar/BarModel.h"
#include "platform/ui/KeyCodes.h"

#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QStringList KeysOf(const BarModel& model)
{
    QStringList keys;
    for (int i = 0; i < model.Count(); ++i) keys << model.Item(i).key;
    return keys;
}

QStringList VisibleKeysOf(const BarModel& model)
{
    QStringList keys;
    for (int i = 0; i < model.Count(); ++i) {
        if (model.Item(i).visible) keys << model.Item(i).key;
    }
    return keys;
}

class DefaultItems : public ::testing::Test {
protected:
    void SetUp() override { model.LoadDefaultItems(); }
    BarModel model;
};

}  // namespace

TEST(BarModel, StartsEmptyWithNineteenClearedSlots)
{
    const BarModel model;
    EXPECT_EQ(model.Count(), 0);
    EXPECT_EQ(model.Capacity(), 18);
    EXPECT_EQ(model.ActiveIndex(), -1);
    EXPECT_EQ(model.HoverIndex(), -1);
    EXPECT_TRUE(model.BarEnabled());
    EXPECT_TRUE(model.FixedCheck(BarModel::FixedItem::Impresora).checkable);
    EXPECT_FALSE(model.FixedCheck(BarModel::FixedItem::Impresora).checked);
    EXPECT_FALSE(model.FixedCheck(BarModel::FixedItem::Compartir).checkable);
    EXPECT_FALSE(model.FixedCheck(BarModel::FixedItem::Compartir).checked);

    const BarItem& slot = model.Item(18);
    EXPECT_TRUE(slot.key.isEmpty());
    EXPECT_TRUE(slot.caption.isEmpty());
    EXPECT_TRUE(slot.toolTip.isEmpty());
    EXPECT_TRUE(slot.normalIconFile.isEmpty() && slot.hoverIconFile.isEmpty() && slot.disabledIconFile.isEmpty());
    EXPECT_EQ(slot.lastPaintedColor, -1);
    EXPECT_FALSE(slot.visible);
    EXPECT_TRUE(slot.enabled);
    EXPECT_EQ(slot.badgeCount, 0);
    EXPECT_FALSE(slot.attention);
    EXPECT_EQ(slot.attentionColor, vb::RGB(220, 64, 64));
    EXPECT_FALSE(slot.check.checkable);
    EXPECT_FALSE(slot.check.checked);
    EXPECT_FALSE(slot.hasFileIcon);
    EXPECT_TRUE(slot.pictures.normal.isNull());
}

TEST_F(DefaultItems, AreNineteenInPictureOrderWithTheSevenStandardOnesVisible)
{
    EXPECT_EQ(KeysOf(model), (QStringList{"NUEVO", "BORRAR", "REPORTE", "CONSULTAR", "PLANILLA", "CANCELAR", "GRABAR",
                                          "CERRAR", "CLIENTE", "PEDIDO", "REMITO", "CAJERO", "UNIDADNEGOCIO",
                                          "IMPORTAR", "PROCESARIA", "PANTALLA", "IMPRESORA", "COMPARTIR", "AJUSTES"}));
    EXPECT_EQ(VisibleKeysOf(model),
              (QStringList{"NUEVO", "BORRAR", "REPORTE", "CONSULTAR", "CANCELAR", "GRABAR", "CERRAR"}));
    for (int i = 0; i < model.Count(); ++i) {
        EXPECT_TRUE(model.Item(i).enabled) << model.Item(i).key.toStdString();
        EXPECT_EQ(model.Item(i).badgeCount, 0);
    }
    EXPECT_EQ(model.Item(5).caption, "Cancelar");
    EXPECT_EQ(model.Item(5).toolTip, "Cancelar edicion en curso");
    EXPECT_EQ(model.Item(11).caption, "Caja");
    EXPECT_EQ(model.Item(11).toolTip, "Opciones de caja");
    EXPECT_EQ(model.Item(14).caption, "Procesar con I.A.");
    EXPECT_EQ(model.Item(2).toolTip, "Abrir reportes / impresiones");
    EXPECT_EQ(model.ActiveIndex(), -1);
}

TEST(BarModel, ReportSetHasFiveVisibleItemsAndHidesTheRestOfTheSlots)
{
    BarModel model;
    model.LoadDefaultItems();
    model.LoadDefaultItemsReportes();
    EXPECT_EQ(KeysOf(model), (QStringList{"PANTALLA", "IMPRESORA", "CONSULTAR", "COMPARTIR", "CERRAR"}));
    EXPECT_EQ(VisibleKeysOf(model), KeysOf(model));
    EXPECT_EQ(model.Item(4).caption, "Cerrar");
    EXPECT_EQ(model.Item(0).toolTip, "Enviar a pantalla");
    for (int i = 5; i <= model.Capacity(); ++i) EXPECT_FALSE(model.Item(i).visible);
}

// A default set loaded after the report set names each command by its own
// caption: the button for NUEVO does not read "Pantalla".
TEST(BarModel, DefaultItemsAfterTheReportSetTakeTheirOwnCaptions)
{
    BarModel model;
    model.LoadDefaultItemsReportes();
    model.LoadDefaultItems();
    EXPECT_EQ(model.Item(0).caption, "Nuevo");
    EXPECT_EQ(model.Item(1).caption, "Borrar");
    EXPECT_EQ(model.Item(4).caption, "Planilla");
}

TEST(BarModel, SampleSetIsAddedThroughAddItem)
{
    BarModel model;
    model.LoadDefaultItems();
    model.LoadVSCodeSample();
    EXPECT_EQ(KeysOf(model), (QStringList{"FILES", "SEARCH", "GIT", "RUN", "EXT", "AI"}));
    EXPECT_EQ(VisibleKeysOf(model), KeysOf(model));
    EXPECT_EQ(model.Item(2).caption, "Source");
    EXPECT_EQ(model.Item(2).toolTip, "Control de codigo");
    for (int i = 0; i < model.Count(); ++i) EXPECT_FALSE(model.Item(i).check.checkable);
}

TEST(BarModel, AddItemIgnoresABlankKey)
{
    BarModel model;
    EXPECT_FALSE(model.AddItem("   ", "Nada", "", false));
    EXPECT_FALSE(model.AddItem("", "Nada", "", false));
    EXPECT_EQ(model.Count(), 0);
}

TEST(BarModel, AddItemAppendsAVisibleEnabledItemWithTheTrimmedKeyInTheCallersCase)
{
    BarModel model;
    ASSERT_TRUE(model.AddItem("  Exportar ", "Exportar", "Exportar datos", false));
    ASSERT_EQ(model.Count(), 1);
    EXPECT_EQ(model.Item(0).key, "Exportar");
    EXPECT_EQ(model.Item(0).caption, "Exportar");
    EXPECT_EQ(model.Item(0).toolTip, "Exportar datos");
    EXPECT_TRUE(model.Item(0).visible);
    EXPECT_TRUE(model.Item(0).enabled);
    EXPECT_EQ(model.FindItem("EXPORTAR"), 0);
}

TEST(BarModel, AddItemWithABlankToolTipUsesTheCaption)
{
    BarModel model;
    model.AddItem("AJUSTES", "Preferencias", "   ", false);
    EXPECT_EQ(model.Item(0).toolTip, "Preferencias");
}

TEST_F(DefaultItems, AddItemWithTheSameKeyInOtherCaseUpdatesThatItemAndKeepsItsBadge)
{
    model.SetItemBadge("PLANILLA", 7);
    model.SetItemAttention("PLANILLA", true, vb::RGB(1, 2, 3));
    ASSERT_TRUE(model.AddItem(" planilla ", "Hoja", "Hoja de calculo", false));
    EXPECT_EQ(model.Count(), 19);
    const BarItem& item = model.Item(4);
    EXPECT_EQ(item.key, "planilla");
    EXPECT_EQ(item.caption, "Hoja");
    EXPECT_EQ(item.toolTip, "Hoja de calculo");
    EXPECT_TRUE(item.visible);
    EXPECT_EQ(item.badgeCount, 7);
    EXPECT_TRUE(item.attention);
    EXPECT_EQ(item.attentionColor, vb::RGB(1, 2, 3));
}

TEST(BarModel, AddItemSetsTheCheckableStateAndUncheckingGoesWithIt)
{
    BarModel model;
    model.AddItem("FILTRO", "Filtro", "", true);
    model.SetItemChecked("FILTRO", true);
    model.AddItem("FILTRO", "Filtro", "", true);
    EXPECT_TRUE(model.ItemChecked("FILTRO"));
    model.AddItem("FILTRO", "Filtro", "", false);
    EXPECT_FALSE(model.ItemCheckable("FILTRO"));
    EXPECT_FALSE(model.ItemChecked("FILTRO"));
}

TEST(BarModel, CapacityDoublesPlusOneAndKeepsTheItems)
{
    BarModel model;
    for (int i = 0; i < 19; ++i) model.AddItem(QString("K%1").arg(i), QString("C%1").arg(i), "", false);
    EXPECT_EQ(model.Capacity(), 18);
    model.AddItem("K19", "C19", "", false);
    EXPECT_EQ(model.Capacity(), 37);
    for (int i = 20; i < 39; ++i) model.AddItem(QString("K%1").arg(i), QString("C%1").arg(i), "", false);
    EXPECT_EQ(model.Capacity(), 75);
    EXPECT_EQ(model.Count(), 39);
    EXPECT_EQ(model.Item(0).caption, "C0");
    EXPECT_EQ(model.Item(38).key, "K38");
    EXPECT_FALSE(model.Item(39).visible);
    EXPECT_TRUE(model.Item(75).key.isEmpty());

    model.ClearItems();
    EXPECT_EQ(model.Count(), 0);
    EXPECT_EQ(model.Capacity(), 75);
    EXPECT_TRUE(model.Item(38).key.isEmpty());
}

TEST_F(DefaultItems, FindItemIsAnExactKeyMatchAndPictureAliasesDoNotCount)
{
    EXPECT_EQ(model.FindItem(" grabar "), 6);
    EXPECT_EQ(model.FindItem("CAJERO"), 11);
    EXPECT_EQ(model.FindItem("CAJA"), -1);
    EXPECT_EQ(model.FindItem("GRABA"), -1);
    EXPECT_EQ(model.FindItem("  "), -1);
    EXPECT_FALSE(model.ItemEnabled("CAJA"));
    EXPECT_FALSE(model.ItemVisible("CAJA"));
}

TEST_F(DefaultItems, UnknownKeysChangeNothingAndReadFalse)
{
    QSignalSpy itemSpy(&model, &BarModel::itemChanged);
    QSignalSpy layoutSpy(&model, &BarModel::layoutChanged);
    model.SetItemVisible("NADA", true);
    model.SetItemEnabled("NADA", false);
    model.SetItemBadge("NADA", 3);
    model.SetItemAttention("NADA", true, -1);
    model.SetItemCheckable("NADA", true);
    model.SetItemChecked("NADA", true);
    model.SetActive("NADA");
    EXPECT_EQ(itemSpy.count(), 0);
    EXPECT_EQ(layoutSpy.count(), 0);
    EXPECT_FALSE(model.ItemEnabled("NADA"));
    EXPECT_FALSE(model.ItemVisible("NADA"));
    EXPECT_FALSE(model.ItemAttention("NADA"));
    EXPECT_FALSE(model.ItemCheckable("NADA"));
    EXPECT_FALSE(model.ItemChecked("NADA"));
}

TEST_F(DefaultItems, BadgeCountsBelowZeroAreStoredAsZero)
{
    QSignalSpy itemSpy(&model, &BarModel::itemChanged);
    model.SetItemBadge("NUEVO", -5);
    EXPECT_EQ(model.Item(0).badgeCount, 0);
    model.SetItemBadge("nuevo", 150);
    EXPECT_EQ(model.Item(0).badgeCount, 150);
    ASSERT_EQ(itemSpy.count(), 2);
    EXPECT_EQ(itemSpy.at(1).at(0).toInt(), 0);
}

TEST_F(DefaultItems, AttentionKeepsItsColourWhenGivenMinusOne)
{
    model.SetItemAttention("GRABAR", true, vb::RGB(0, 200, 0));
    EXPECT_TRUE(model.ItemAttention("GRABAR"));
    EXPECT_EQ(model.Item(6).attentionColor, vb::RGB(0, 200, 0));
    model.SetItemAttention("GRABAR", false, -1);
    EXPECT_FALSE(model.ItemAttention("GRABAR"));
    EXPECT_EQ(model.Item(6).attentionColor, vb::RGB(0, 200, 0));
}

TEST_F(DefaultItems, HidingTheActiveItemClearsTheActiveIndex)
{
    model.SetActive("GRABAR");
    EXPECT_EQ(model.ActiveIndex(), 6);
    model.SetItemVisible("BORRAR", false);
    EXPECT_EQ(model.ActiveIndex(), 6);
    model.SetItemVisible("GRABAR", false);
    EXPECT_EQ(model.ActiveIndex(), -1);
    EXPECT_FALSE(model.ItemVisible("GRABAR"));
}

TEST_F(DefaultItems, DisablingAnItemClearsItsActiveAndHoverState)
{
    model.SetActive("NUEVO");
    model.SetHover(0);
    model.SetItemEnabled("BORRAR", false);
    EXPECT_EQ(model.ActiveIndex(), 0);
    EXPECT_EQ(model.HoverIndex(), 0);
    model.SetItemEnabled("NUEVO", false);
    EXPECT_EQ(model.ActiveIndex(), -1);
    EXPECT_EQ(model.HoverIndex(), -1);
    EXPECT_FALSE(model.ItemEnabled("NUEVO"));
}

TEST_F(DefaultItems, SetActiveTakesOnlyAVisibleEnabledItem)
{
    model.SetActive("PLANILLA");
    EXPECT_EQ(model.ActiveIndex(), -1);
    model.SetItemEnabled("CERRAR", false);
    model.SetActive("CERRAR");
    EXPECT_EQ(model.ActiveIndex(), -1);
    model.SetActive("reporte");
    EXPECT_EQ(model.ActiveIndex(), 2);
}

TEST_F(DefaultItems, SetItemCheckedChangesNothingOnAnItemThatIsNotCheckable)
{
    model.SetItemChecked("NUEVO", true);
    EXPECT_FALSE(model.ItemChecked("NUEVO"));
    model.SetItemCheckable("NUEVO", true);
    model.SetItemChecked("NUEVO", true);
    EXPECT_TRUE(model.ItemChecked("NUEVO"));
    model.SetItemCheckable("NUEVO", false);
    EXPECT_FALSE(model.ItemChecked("NUEVO"));
}

TEST_F(DefaultItems, PrinterAndShareItemsKeepTheirCheckStateAtBarLevel)
{
    EXPECT_TRUE(model.ItemCheckable("IMPRESORA"));
    EXPECT_FALSE(model.Item(16).check.checkable);
    model.SetItemChecked("impresora", true);
    EXPECT_TRUE(model.FixedCheck(BarModel::FixedItem::Impresora).checked);
    EXPECT_TRUE(model.ItemChecked("IMPRESORA"));
    EXPECT_FALSE(model.Item(16).check.checked);

    EXPECT_FALSE(model.ItemCheckable("COMPARTIR"));
    model.SetItemChecked("COMPARTIR", true);
    EXPECT_FALSE(model.FixedCheck(BarModel::FixedItem::Compartir).checked);
    model.SetItemCheckable("COMPARTIR", true);
    EXPECT_TRUE(model.FixedCheck(BarModel::FixedItem::Compartir).checkable);

    model.SetItemCheckable("IMPRESORA", false);
    EXPECT_FALSE(model.FixedCheck(BarModel::FixedItem::Impresora).checkable);
    EXPECT_FALSE(model.FixedCheck(BarModel::FixedItem::Impresora).checked);
}

TEST(BarModel, PrinterCheckCannotBeSetWhileNotCheckable)
{
    BarModel model;
    model.SetFixedCheckable(BarModel::FixedItem::Impresora, false);
    model.SetFixedChecked(BarModel::FixedItem::Impresora, true);
    EXPECT_FALSE(model.FixedCheck(BarModel::FixedItem::Impresora).checked);
    model.SetFixedCheckable(BarModel::FixedItem::Impresora, true);
    model.SetFixedChecked(BarModel::FixedItem::Impresora, true);
    EXPECT_TRUE(model.FixedCheck(BarModel::FixedItem::Impresora).checked);
    model.SetFixedCheckable(BarModel::FixedItem::Impresora, false);
    EXPECT_FALSE(model.FixedCheck(BarModel::FixedItem::Impresora).checked);
}

TEST(BarModel, PrinterCheckOnAnEmptyBarIsNotReachedThroughTheItemMethods)
{
    BarModel model;
    model.SetItemCheckable("IMPRESORA", false);
    EXPECT_TRUE(model.FixedCheck(BarModel::FixedItem::Impresora).checkable);
    EXPECT_FALSE(model.ItemCheckable("IMPRESORA"));
}

TEST_F(DefaultItems, PressingTogglesACheckableItemAndMakesItActive)
{
    EXPECT_TRUE(model.IsPressable(0));
    EXPECT_FALSE(model.ToggleChecked(0).has_value());
    model.MakeActive(0);
    EXPECT_EQ(model.ActiveIndex(), 0);

    model.SetItemCheckable("GRABAR", true);
    EXPECT_EQ(model.ToggleChecked(6), std::optional<bool>(true));
    EXPECT_EQ(model.ToggleChecked(6), std::optional<bool>(false));
}

TEST_F(DefaultItems, OnlyVisibleEnabledItemsOfAnEnabledBarArePressable)
{
    EXPECT_FALSE(model.IsPressable(4));  // PLANILLA, hidden
    EXPECT_FALSE(model.IsPressable(-1));
    EXPECT_FALSE(model.IsPressable(19));
    model.SetItemEnabled("NUEVO", false);
    EXPECT_FALSE(model.IsPressable(0));
    EXPECT_TRUE(model.IsPressable(1));
    model.SetBarEnabled(false);
    EXPECT_FALSE(model.IsPressable(1));
}

TEST_F(DefaultItems, HoverOutsideTheItemsOrOnADisabledBarIsNone)
{
    model.SetHover(3);
    EXPECT_EQ(model.HoverIndex(), 3);
    model.SetHover(19);
    EXPECT_EQ(model.HoverIndex(), -1);
    model.SetHover(2);
    model.SetHover(-7);
    EXPECT_EQ(model.HoverIndex(), -1);
    model.SetHover(2);
    model.SetBarEnabled(false);
    EXPECT_EQ(model.HoverIndex(), -1);
    model.SetHover(2);
    EXPECT_EQ(model.HoverIndex(), -1);
}

TEST_F(DefaultItems, HoverChangesRepaintTheFormerAndTheNewItem)
{
    model.SetHover(1);
    QSignalSpy itemSpy(&model, &BarModel::itemChanged);
    model.SetHover(3);
    ASSERT_EQ(itemSpy.count(), 2);
    EXPECT_EQ(itemSpy.at(0).at(0).toInt(), 1);
    EXPECT_EQ(itemSpy.at(1).at(0).toInt(), 3);
    model.SetHover(3);
    EXPECT_EQ(itemSpy.count(), 2);
}

TEST_F(DefaultItems, ShortcutsRaiseTheirUsableItems)
{
    EXPECT_EQ(model.ShortcutKey(vb::vbKeyEscape), "CANCELAR");
    EXPECT_EQ(model.ShortcutKey(113), "GRABAR");
    EXPECT_EQ(model.ShortcutKey(114), "NUEVO");
    EXPECT_EQ(model.ShortcutKey(115), "REPORTE");
    EXPECT_EQ(model.ShortcutKey(116), "CONSULTAR");
    EXPECT_EQ(model.ShortcutKey(121), "BORRAR");
    EXPECT_EQ(model.ShortcutKey(117), "");  // PLANILLA is hidden by default
    EXPECT_EQ(model.ShortcutKey(vb::vbKeyF1), "");
    EXPECT_EQ(model.ShortcutKey(vb::vbKeyF7), "");
    EXPECT_EQ(model.ShortcutKey(vb::vbKeyReturn), "");
    model.SetItemVisible("PLANILLA", true);
    EXPECT_EQ(model.ShortcutKey(117), "PLANILLA");
    model.SetItemEnabled("GRABAR", false);
    EXPECT_EQ(model.ShortcutKey(113), "");
}

TEST_F(DefaultItems, EscapeFallsBackToCerrarAndThenToNothing)
{
    model.SetItemVisible("CANCELAR", false);
    EXPECT_EQ(model.ShortcutKey(27), "CERRAR");
    model.SetItemVisible("CANCELAR", true);
    model.SetItemEnabled("CANCELAR", false);
    EXPECT_EQ(model.ShortcutKey(27), "CERRAR");
    model.SetItemVisible("CERRAR", false);
    EXPECT_EQ(model.ShortcutKey(27), "");
}

TEST_F(DefaultItems, ADisabledBarTakesNoShortcut)
{
    model.SetBarEnabled(false);
    EXPECT_EQ(model.ShortcutKey(113), "");
    EXPECT_EQ(model.ShortcutKey(27), "");
}

TEST(BarModel, EnsureItemsLoadsTheDefaultsOnlyIntoAnEmptyBar)
{
    BarModel model;
    model.AddItem("SOLO", "Solo", "", false);
    model.EnsureItems();
    EXPECT_EQ(KeysOf(model), QStringList{"SOLO"});
    model.ClearItems();
    model.EnsureItems();
    EXPECT_EQ(model.Count(), 19);
}

namespace {

// An image folder with icon files written into it.
class IconFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        model.LoadDefaultItems();
    }
    QString PathOf(const QString& name) const { return dir.filePath(name); }
    void WriteIcon(const QString& name, const QSize& size = QSize(16, 16)) const
    {
        QImage image(size, QImage::Format_ARGB32);
        image.fill(Qt::red);
        ASSERT_TRUE(image.save(PathOf(name), "PNG"));
    }

    QTemporaryDir dir;
    BarModel model;
};

}  // namespace

TEST_F(IconFolder, IconFilesComeFromTheImageFolderByKey)
{
    WriteIcon("NUEVO.png");
    WriteIcon("NUEVO_over.png");
    model.SetImageFolder(dir.path());
    EXPECT_EQ(model.ImageFolder(), dir.path() + "/");
    const BarItem& nuevo = model.Item(0);
    EXPECT_TRUE(nuevo.hasFileIcon);
    EXPECT_EQ(nuevo.normalIconFile, PathOf("NUEVO.png"));
    EXPECT_EQ(nuevo.hoverIconFile, PathOf("NUEVO_over.png"));
    EXPECT_TRUE(nuevo.disabledIconFile.isEmpty());
    EXPECT_FALSE(model.Item(1).hasFileIcon);
    EXPECT_TRUE(model.Item(1).normalIconFile.isEmpty());
}

TEST_F(IconFolder, TheHoverIconIsUsedUnderTheMouseAndWhileActive)
{
    WriteIcon("NUEVO.png");
    WriteIcon("NUEVO_over.png");
    WriteIcon("NUEVO_dis.png");
    model.SetImageFolder(dir.path());
    EXPECT_EQ(model.CurrentIconFile(0), PathOf("NUEVO.png"));
    model.SetHover(0);
    EXPECT_EQ(model.CurrentIconFile(0), PathOf("NUEVO_over.png"));
    model.SetHover(-1);
    model.SetActive("NUEVO");
    EXPECT_EQ(model.CurrentIconFile(0), PathOf("NUEVO_over.png"));
    model.SetItemEnabled("NUEVO", false);
    EXPECT_EQ(model.CurrentIconFile(0), PathOf("NUEVO_dis.png"));
}

TEST_F(IconFolder, ADisabledIconAloneIsNeverUsed)
{
    WriteIcon("BORRAR_dis.png");
    model.SetImageFolder(dir.path());
    model.SetItemEnabled("BORRAR", false);
    EXPECT_FALSE(model.Item(1).hasFileIcon);
    EXPECT_TRUE(model.Item(1).normalIconFile.isEmpty());
}

TEST_F(IconFolder, AnUnreadableIconFileLeavesTheBuiltInPicture)
{
    QFile broken(PathOf("GRABAR.png"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a picture");
    broken.close();
    model.SetImageFolder(dir.path());
    EXPECT_EQ(model.Item(6).normalIconFile, PathOf("GRABAR.png"));
    EXPECT_FALSE(model.Item(6).hasFileIcon);
    EXPECT_TRUE(model.Item(6).pictures.normal.isNull());
}

TEST_F(IconFolder, AddItemLoadsTheIconOfItsKey)
{
    model.SetImageFolder(dir.path());
    WriteIcon("EXPORTAR.png", QSize(128, 64));
    model.AddItem("Exportar", "Exportar", "", false);
    const BarItem& item = model.Item(model.FindItem("EXPORTAR"));
    EXPECT_TRUE(item.hasFileIcon);
    EXPECT_EQ(item.pictures.normal.size(), QSize(128, 64));
}

TEST_F(IconFolder, RefreshIconsDropsIconsWhoseFilesAreGone)
{
    WriteIcon("NUEVO.png");
    model.SetImageFolder(dir.path());
    ASSERT_TRUE(model.Item(0).hasFileIcon);
    ASSERT_TRUE(QFile::remove(PathOf("NUEVO.png")));
    model.RefreshIcons();
    EXPECT_FALSE(model.Item(0).hasFileIcon);
    EXPECT_TRUE(model.Item(0).normalIconFile.isEmpty());
}
