#include "commandbar/ModUtilVexBar.h"
#include "commandbar/UtilVex.h"
#include "platform/ErrorVB.h"
#include "platform/ui/KeyCodes.h"
#include "platform/ui/Twips.h"
#include "platform/ui/VbColor.h"
#include "support/ProgramTest.h"

#include <QApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// Without settings a bar takes the first theme.
const qint32 kNormal = vb::RGB(96, 138, 204);
const qint32 kActive = vb::RGB(20, 78, 170);
const qint32 kActiveBar = vb::RGB(170, 205, 245);

// A bar of its own on the screen, made in a program folder without settings.
class Bar : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        bar = std::make_unique<UtilVex>();
        bar->resize(bar->sizeHint());
        bar->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(bar.get()));
    }
    void TearDown() override
    {
        bar.reset();
        ProgramTest::TearDown();
    }

    void ClickOn(const QString& key) { QTest::mouseClick(bar.get(), Qt::LeftButton, {}, bar->ItemRect(key).center()); }
    // Sent straight to the bar: the toolkit drops a move to where the pointer already is.
    void MoveMouseTo(const QPoint& point)
    {
        QMouseEvent move(QEvent::MouseMove, point, bar->mapToGlobal(point), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(bar.get(), &move);
    }
    QImage Picture() { return bar->grab().toImage(); }
    // A point of a cell clear of its icon, caption and marks.
    QPoint BackgroundOf(const QString& key) const
    {
        const QRect cell = bar->ItemRect(key);
        return {cell.right() - 3, cell.bottom() - 3};
    }
    QColor BackgroundColourOf(const QString& key) { return Picture().pixelColor(BackgroundOf(key)); }
    QPoint IconCentreOf(const QString& key) const { return bar->ItemRect(key).center(); }
    QRect ActiveBarOf(const QString& key) const { return bar->Layout().PlaceOf(bar->Items().FindItem(key))->activeBar; }
    QStringList ClickedKeys(const QSignalSpy& spy) const
    {
        QStringList keys;
        for (const QList<QVariant>& arguments : spy) keys << arguments.at(0).toString();
        return keys;
    }

    std::unique_ptr<UtilVex> bar;
};

// Brightest channel of the pixels in a rectangle.
int Brightest(const QImage& image, const QRect& area)
{
    int brightest = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) brightest = std::max(brightest, qGray(image.pixel(x, y)));
    }
    return brightest;
}

// The smallest rectangle holding every pixel of a colour in an area.
QRect Bounds(const QImage& image, const QRect& area, const QColor& colour)
{
    QRect bounds;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixelColor(x, y) == colour) bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

bool Contains(const QImage& image, const QRect& area, const QColor& colour)
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixelColor(x, y) == colour) return true;
        }
    }
    return false;
}

}  // namespace

TEST_F(Bar, ANewBarShowsTheSevenStandardCommands)
{
    EXPECT_EQ(bar->Items().Count(), 19);
    for (const QString key : {"NUEVO", "BORRAR", "REPORTE", "CONSULTAR", "CANCELAR", "GRABAR", "CERRAR"}) {
        EXPECT_FALSE(bar->ItemRect(key).isEmpty()) << key.toStdString();
        EXPECT_TRUE(bar->ItemEnabled(key));
    }
    EXPECT_TRUE(bar->ItemRect("PLANILLA").isEmpty());
    EXPECT_TRUE(bar->ItemRect("AJUSTES").isEmpty());
    EXPECT_TRUE(bar->PlanillaEnabled());
    EXPECT_FALSE(bar->PlanillaVisible());
    EXPECT_LT(bar->ItemRect("NUEVO").top(), bar->ItemRect("BORRAR").top());
    EXPECT_LT(bar->ItemRect("CONSULTAR").top(), bar->ItemRect("CANCELAR").top());
    EXPECT_LE(bar->ItemRect("CERRAR").bottom(), bar->height());
}

TEST_F(Bar, ANewBarHasTheDefaultLayoutAndTheThemeOfTheSettings)
{
    EXPECT_DOUBLE_EQ(bar->ItemHeight(), 520);
    EXPECT_DOUBLE_EQ(bar->ItemGap(), 0);
    EXPECT_DOUBLE_EQ(bar->TopOffset(), 10);
    EXPECT_DOUBLE_EQ(bar->GroupGap(), 0);
    EXPECT_TRUE(bar->ShowCaptions());
    EXPECT_FALSE(bar->SoloTitulo());
    EXPECT_FALSE(bar->Horizontal());
    EXPECT_TRUE(bar->AutoOrientacion());
    EXPECT_EQ(bar->IconPx(), 42);
    EXPECT_EQ(bar->TamanoIcono(), 42);
    EXPECT_DOUBLE_EQ(bar->IconSize(), vb::TwipsFromPixels(42));
    EXPECT_EQ(bar->Theme(), 1);
    EXPECT_EQ(bar->NormalBackColor(), kNormal);
    EXPECT_EQ(bar->ActiveBackColor(), kActive);
    EXPECT_EQ(bar->ActiveBarColor(), kActiveBar);
    EXPECT_TRUE(bar->ImageFolder().isEmpty());
    EXPECT_TRUE(bar->ImpresoraCheckable());
    EXPECT_FALSE(bar->ImpresoraChecked());
    EXPECT_FALSE(bar->CompartirCheckable());
}

TEST_F(Bar, ClickingACellRaisesClickWithTheKeyInUpperCaseAndMakesItActive)
{
    QSignalSpy clicks(bar.get(), &UtilVex::Click);
    ClickOn("GRABAR");
    EXPECT_EQ(ClickedKeys(clicks), QStringList{"GRABAR"});
    EXPECT_EQ(bar->Items().ActiveIndex(), 6);

    bar->AddItem("Exportar", "Exportar");
    bar->resize(bar->sizeHint());
    ClickOn("EXPORTAR");
    EXPECT_EQ(ClickedKeys(clicks), (QStringList{"GRABAR", "EXPORTAR"}));
}

TEST_F(Bar, DisabledCellsTheFreeAreaAndOtherButtonsRaiseNothing)
{
    QSignalSpy clicks(bar.get(), &UtilVex::Click);
    bar->SetItemEnabled("BORRAR", false);
    ClickOn("BORRAR");
    QTest::mouseClick(bar.get(), Qt::LeftButton, {}, QPoint(5, bar->height() - 2));
    QTest::mouseClick(bar.get(), Qt::RightButton, {}, bar->ItemRect("NUEVO").center());
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_EQ(bar->Items().ActiveIndex(), -1);
}

TEST_F(Bar, PressingOnOneCellAndReleasingOnAnotherIsNoClick)
{
    QSignalSpy clicks(bar.get(), &UtilVex::Click);
    QTest::mousePress(bar.get(), Qt::LeftButton, {}, bar->ItemRect("NUEVO").center());
    QTest::mouseRelease(bar.get(), Qt::LeftButton, {}, bar->ItemRect("BORRAR").center());
    EXPECT_EQ(clicks.count(), 0);
}

TEST_F(Bar, ACheckableItemRaisesCheckClickBeforeClickAndToggles)
{
    bar->AddItem("FILTRO", "Filtro", "", true);
    bar->resize(bar->sizeHint());
    QStringList events;
    QObject::connect(bar.get(), &UtilVex::CheckClick, bar.get(), [&](const QString& caption, bool checked) {
        events << QString("CheckClick %1 %2").arg(caption).arg(checked);
    });
    QObject::connect(bar.get(), &UtilVex::Click, bar.get(), [&](const QString& key) { events << "Click " + key; });
    ClickOn("FILTRO");
    ClickOn("filtro");
    EXPECT_EQ(events, (QStringList{"CheckClick Filtro 1", "Click FILTRO", "CheckClick Filtro 0", "Click FILTRO"}));
    EXPECT_FALSE(bar->ItemChecked("FILTRO"));
}

TEST_F(Bar, ThePrinterItemOfTheReportSetTogglesTheBarsPrinterCheck)
{
    bar->LoadDefaultItemsReportes();
    bar->resize(bar->sizeHint());
    QSignalSpy checks(bar.get(), &UtilVex::CheckClick);
    ClickOn("IMPRESORA");
    EXPECT_TRUE(bar->ImpresoraChecked());
    ASSERT_EQ(checks.count(), 1);
    EXPECT_EQ(checks.at(0).at(0).toString(), "Impresora");
    EXPECT_TRUE(checks.at(0).at(1).toBool());
}

// The strip marks the active item with the active bar beside it; only the
// fifth theme also darkens it. Under the mouse a cell keeps its colour.
TEST_F(Bar, CellsPaintTheirStateNormalActiveHoveredAndDisabled)
{
    EXPECT_EQ(BackgroundColourOf("NUEVO"), vb::ToQColor(kNormal));
    const QPoint nuevoBar = ActiveBarOf("NUEVO").center();
    EXPECT_EQ(Picture().pixelColor(nuevoBar), vb::ToQColor(kNormal)) << "no active bar before a press";

    ClickOn("NUEVO");
    const QImage active = Picture();
    EXPECT_EQ(active.pixelColor(BackgroundOf("NUEVO")), vb::ToQColor(kNormal));
    EXPECT_EQ(active.pixelColor(nuevoBar), vb::ToQColor(kActiveBar));
    EXPECT_EQ(active.pixelColor(ActiveBarOf("BORRAR").center()), vb::ToQColor(kNormal));

    MoveMouseTo(bar->ItemRect("REPORTE").center());
    ASSERT_EQ(bar->Items().HoverIndex(), 2);
    EXPECT_EQ(BackgroundColourOf("REPORTE"), vb::ToQColor(kNormal));

    bar->SetItemEnabled("GRABAR", false);
    EXPECT_EQ(BackgroundColourOf("GRABAR"), vb::ToQColor(vb::ShiftColor(kNormal, -6)));
    const QImage picture = Picture();
    EXPECT_LT(Brightest(picture, bar->ItemRect("GRABAR")), Brightest(picture, bar->ItemRect("CERRAR")));

    bar->SetEstilo(5);
    const qint32 grey = vb::RGB(122, 122, 122);
    EXPECT_EQ(BackgroundColourOf("NUEVO"), vb::ToQColor(vb::ShiftColor(grey, -20)));
    EXPECT_EQ(BackgroundColourOf("REPORTE"), vb::ToQColor(grey));
}

TEST_F(Bar, ACheckableItemNeverShowsTheActiveOrHoverLook)
{
    bar->SetEstilo(5);
    bar->AddItem("FILTRO", "Filtro", "", true);
    bar->resize(bar->sizeHint());
    ClickOn("FILTRO");
    EXPECT_EQ(bar->Items().ActiveIndex(), bar->Items().FindItem("FILTRO"));
    MoveMouseTo(bar->ItemRect("FILTRO").center());
    EXPECT_EQ(BackgroundColourOf("FILTRO"), QColor(122, 122, 122));
    EXPECT_EQ(Picture().pixelColor(ActiveBarOf("FILTRO").center()), QColor(122, 122, 122));
}

TEST_F(Bar, HoverFollowsTheMouseOverUsableCellsOnly)
{
    bar->SetItemEnabled("BORRAR", false);
    MoveMouseTo(bar->ItemRect("NUEVO").center());
    EXPECT_EQ(bar->Items().HoverIndex(), 0);
    MoveMouseTo(bar->ItemRect("BORRAR").center());
    EXPECT_EQ(bar->Items().HoverIndex(), -1);
    MoveMouseTo(bar->ItemRect("CERRAR").center());
    EXPECT_EQ(bar->Items().HoverIndex(), 7);
    MoveMouseTo(QPoint(5, 1));
    EXPECT_EQ(bar->Items().HoverIndex(), -1);
}

TEST_F(Bar, LeavingTheBarClearsTheHover)
{
    MoveMouseTo(bar->ItemRect("NUEVO").center());
    ASSERT_EQ(bar->Items().HoverIndex(), 0);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(bar.get(), &leave);
    EXPECT_EQ(bar->Items().HoverIndex(), -1);
}

TEST_F(Bar, HoverDrawsTheHoverIconAndOtherwiseTheNormalOne)
{
    QTemporaryDir folder;
    QImage red(16, 16, QImage::Format_ARGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(folder.filePath("NUEVO.png")));
    QImage green(16, 16, QImage::Format_ARGB32);
    green.fill(Qt::green);
    ASSERT_TRUE(green.save(folder.filePath("NUEVO_over.png")));
    bar->LoadIconsFromFolder(folder.path());

    EXPECT_EQ(Picture().pixelColor(IconCentreOf("NUEVO")), QColor(Qt::red));
    MoveMouseTo(bar->ItemRect("NUEVO").center());
    EXPECT_EQ(Picture().pixelColor(IconCentreOf("NUEVO")), QColor(Qt::green));
    MoveMouseTo(bar->ItemRect("CERRAR").center());
    const QImage picture = Picture();
    EXPECT_EQ(picture.pixelColor(IconCentreOf("NUEVO")), QColor(Qt::red));
    // A 16 x 16 icon keeps its size.
    EXPECT_NE(picture.pixelColor(IconCentreOf("NUEVO") + QPoint(10, 0)), QColor(Qt::red));
}

TEST_F(Bar, BadgesShowOnlyForCountsAboveZero)
{
    const QRect nuevo = bar->ItemRect("NUEVO");
    const QRect corner(nuevo.center().x(), nuevo.top(), nuevo.width() / 2, nuevo.height() / 3);
    const QColor badgeBlue(0, 120, 215);
    bar->SetItemBadge("NUEVO", 150);
    EXPECT_TRUE(Contains(Picture(), corner, badgeBlue));
    bar->SetItemAttention("NUEVO", true, vb::RGB(0, 160, 0));
    EXPECT_TRUE(Contains(Picture(), corner, QColor(0, 160, 0)));
    bar->SetItemBadge("NUEVO", -5);
    bar->SetItemAttention("NUEVO", false);
    EXPECT_FALSE(Contains(Picture(), corner, badgeBlue));
    EXPECT_FALSE(Contains(Picture(), corner, QColor(0, 160, 0)));
}

TEST_F(Bar, LosingTheFocusToAnotherControlClearsTheActiveItem)
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* field = new QLineEdit(&window);
    auto* windowBar = new UtilVex(&window);
    layout->addWidget(field);
    layout->addWidget(windowBar);
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    QTest::mouseClick(windowBar, Qt::LeftButton, {}, windowBar->ItemRect("NUEVO").center());
    ASSERT_EQ(windowBar->Items().ActiveIndex(), 0);
    EXPECT_TRUE(windowBar->hasFocus());
    field->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(windowBar->Items().ActiveIndex(), -1);
}

TEST_F(Bar, ShortcutsRaiseClickWithoutActivatingOrToggling)
{
    QSignalSpy clicks(bar.get(), &UtilVex::Click);
    bar->SetItemCheckable("GRABAR", true);
    bar->KeyAnalisis(vb::vbKeyF3);
    bar->KeyAnalisis(vb::vbKeyF2);
    bar->KeyAnalisis(vb::vbKeyF6);
    bar->KeyAnalisis(vb::vbKeyA);
    EXPECT_EQ(ClickedKeys(clicks), (QStringList{"NUEVO", "GRABAR"}));
    EXPECT_EQ(bar->Items().ActiveIndex(), -1);
    EXPECT_FALSE(bar->ItemChecked("GRABAR"));
}

TEST_F(Bar, EscapeRaisesCancelarThenCerrarThenNothing)
{
    QSignalSpy clicks(bar.get(), &UtilVex::Click);
    bar->KeyAnalisis(27);
    bar->SetCancelarVisible(false);
    bar->KeyAnalisis(27);
    bar->SetCerrarVisible(false);
    bar->KeyAnalisis(27);
    EXPECT_EQ(ClickedKeys(clicks), (QStringList{"CANCELAR", "CERRAR"}));
}

TEST_F(Bar, AWindowForwardsItsKeyPressesByTheirSuiteCodes)
{
    QLineEdit field;
    struct Forwarder : QObject {
        UtilVex* target = nullptr;
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::KeyPress) target->KeyAnalisis(vb::KeyCodeOf(*static_cast<QKeyEvent*>(event)));
            return false;
        }
    } forwarder;
    forwarder.target = bar.get();
    field.installEventFilter(&forwarder);
    QSignalSpy clicks(bar.get(), &UtilVex::Click);
    QTest::keyClick(&field, Qt::Key_F10);
    QTest::keyClick(&field, Qt::Key_X);
    QTest::keyClick(&field, Qt::Key_F5);
    EXPECT_EQ(ClickedKeys(clicks), (QStringList{"BORRAR", "CONSULTAR"}));
}

TEST_F(Bar, AnErrorOfTheHostsClickHandlerEndsThePressOnly)
{
    QObject::connect(bar.get(), &UtilVex::Click, bar.get(),
                     [](const QString&) { throw ErrorVB(5, "fallo del anfitrion"); });
    ClickOn("CERRAR");
    EXPECT_EQ(bar->Items().ActiveIndex(), 7);
    // From the keyboard the error reaches the window that forwarded the key.
    EXPECT_THROW(bar->KeyAnalisis(vb::vbKeyF3), ErrorVB);
}

TEST_F(Bar, ADisabledBarTakesNeitherMouseNorKeys)
{
    QSignalSpy clicks(bar.get(), &UtilVex::Click);
    MoveMouseTo(bar->ItemRect("NUEVO").center());
    bar->setEnabled(false);
    EXPECT_EQ(bar->Items().HoverIndex(), -1);
    ClickOn("NUEVO");
    bar->KeyAnalisis(vb::vbKeyF3);
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_EQ(BackgroundColourOf("NUEVO"), vb::ToQColor(vb::ShiftColor(kNormal, -6)));
    bar->setEnabled(true);
    bar->KeyAnalisis(vb::vbKeyF3);
    EXPECT_EQ(clicks.count(), 1);
}

TEST_F(Bar, ToolTipsAreThoseOfTheCellUnderTheMouse)
{
    const QPoint point = bar->ItemRect("CANCELAR").center();
    QHelpEvent help(QEvent::ToolTip, point, bar->mapToGlobal(point));
    QApplication::sendEvent(bar.get(), &help);
    EXPECT_EQ(QToolTip::text(), "Cancelar edicion en curso (Esc)");
    QToolTip::hideText();
}

TEST_F(Bar, PerCommandPropertiesReadAndWriteTheirItems)
{
    QSignalSpy changes(bar.get(), &UtilVex::PropertyChanged);
    bar->SetGrabarEnabled(false);
    EXPECT_FALSE(bar->ItemEnabled("GRABAR"));
    EXPECT_FALSE(bar->GrabarEnabled());
    bar->SetConsultaEnabled(false);
    EXPECT_FALSE(bar->ItemEnabled("CONSULTAR"));
    EXPECT_FALSE(bar->CommandEnabled("consultar"));
    bar->SetCommandVisible("planilla", true);
    EXPECT_TRUE(bar->ItemVisible("PLANILLA"));
    EXPECT_TRUE(bar->PlanillaVisible());
    ASSERT_EQ(changes.count(), 3);
    EXPECT_EQ(changes.at(0).at(0).toString(), "GrabarEnabled");
    EXPECT_EQ(changes.at(1).at(0).toString(), "ConsultaEnabled");
    EXPECT_EQ(changes.at(2).at(0).toString(), "planillaVisible");
}

TEST_F(Bar, CajaReadsFalseWithTheDefaultSetAlthoughAnItemIsCaptionedCaja)
{
    EXPECT_EQ(bar->Items().Item(bar->Items().FindItem("CAJERO")).caption, "Caja");
    EXPECT_FALSE(bar->CommandEnabled("Caja"));
    EXPECT_FALSE(bar->CommandVisible("Cambiar"));
    EXPECT_FALSE(bar->CommandEnabled("Caus"));
    EXPECT_TRUE(bar->CommandEnabled("Cajero"));
}

TEST_F(Bar, NamesOutsideTheFamilyReadFalseAndIgnoreWrites)
{
    QSignalSpy changes(bar.get(), &UtilVex::PropertyChanged);
    bar->SetCommandEnabled("Exportar", true);
    EXPECT_FALSE(bar->CommandEnabled("Exportar"));
    EXPECT_EQ(changes.count(), 0);
}

TEST_F(Bar, PerCommandPropertiesLoadTheDefaultItemsIntoAnEmptyBar)
{
    bar->ClearItems();
    EXPECT_EQ(bar->Items().Count(), 0);
    EXPECT_TRUE(bar->NuevoEnabled());
    EXPECT_EQ(bar->Items().Count(), 19);
    bar->ClearItems();
    bar->SetBorrarEnabled(false);
    EXPECT_EQ(bar->Items().Count(), 19);
    EXPECT_FALSE(bar->ItemEnabled("BORRAR"));
}

TEST_F(Bar, TheMaintenanceWindowsStatesSwitchItsCommands)
{
    // Browse state: new and close offered; delete, save and cancel not.
    bar->SetNuevoEnabled(true);
    bar->SetBorrarEnabled(false);
    bar->SetGrabarEnabled(false);
    bar->SetCancelarEnabled(false);
    bar->SetCerrarEnabled(true);
    QSignalSpy clicks(bar.get(), &UtilVex::Click);
    for (const QString key : {"NUEVO", "BORRAR", "GRABAR", "CANCELAR", "CERRAR"}) ClickOn(key);
    EXPECT_EQ(ClickedKeys(clicks), (QStringList{"NUEVO", "CERRAR"}));
    EXPECT_TRUE(bar->NuevoEnabled() && bar->CerrarEnabled());
    EXPECT_FALSE(bar->BorrarEnabled() || bar->GrabarEnabled() || bar->CancelarEnabled());
}

TEST_F(Bar, SizePropertiesKeepTheirLimitsAndStayInStep)
{
    QSignalSpy changes(bar.get(), &UtilVex::PropertyChanged);
    bar->SetItemHeight(300);
    EXPECT_DOUBLE_EQ(bar->ItemHeight(), 480);
    bar->SetIconSize(0);
    EXPECT_EQ(bar->IconPx(), 42);
    bar->SetIconSize(vb::TwipsFromPixels(24));
    EXPECT_EQ(bar->IconPx(), 24);
    bar->SetIconSize(1);
    EXPECT_EQ(bar->IconPx(), 42);
    bar->SetTamanoIcono(-3);
    EXPECT_EQ(bar->IconPx(), 42);
    EXPECT_DOUBLE_EQ(bar->IconSize(), vb::TwipsFromPixels(42));
    bar->SetIconPx(32);
    EXPECT_EQ(bar->TamanoIcono(), 32);
    EXPECT_DOUBLE_EQ(bar->IconSize(), vb::TwipsFromPixels(32));
    EXPECT_EQ(changes.count(), 6);
    EXPECT_EQ(changes.at(0).at(0).toString(), "ItemHeight");
}

TEST_F(Bar, ColourPropertiesRepaintTheBar)
{
    bar->SetNormalBackColor(vb::RGB(42, 42, 42));
    EXPECT_EQ(BackgroundColourOf("CERRAR"), QColor(42, 42, 42));
    EXPECT_EQ(Picture().pixelColor(bar->width() / 2, bar->height() - 1), QColor(42, 42, 42));
    bar->SetActiveBarColor(vb::RGB(255, 0, 0));
    ClickOn("CERRAR");
    EXPECT_EQ(Picture().pixelColor(ActiveBarOf("CERRAR").center()), QColor(255, 0, 0));

    // Title-only buttons show the active colour under the mouse.
    bar->SetSoloTitulo(true);
    bar->SetActiveBackColor(vb::RGB(90, 20, 20));
    bar->resize(bar->sizeHint().width(), bar->heightForWidth(bar->sizeHint().width()));
    MoveMouseTo(bar->ItemRect("BORRAR").center());
    EXPECT_EQ(Picture().pixelColor(bar->ItemRect("BORRAR").topLeft() + QPoint(1, 1)), QColor(90, 20, 20));
    EXPECT_EQ(Picture().pixelColor(bar->ItemRect("REPORTE").topLeft() + QPoint(1, 1)), QColor(42, 42, 42));
}

TEST_F(Bar, SetItemIconIsRefusedWhateverItIsGiven)
{
    EXPECT_FALSE(bar->SetItemIcon("NUEVO", "/tmp/nuevo.png"));
    EXPECT_FALSE(bar->SetItemIcon("", ""));
    EXPECT_FALSE(bar->Items().Item(0).hasFileIcon);
}

TEST_F(Bar, PrinterAndShareChecksFollowTheirCheckableFlags)
{
    QSignalSpy changes(bar.get(), &UtilVex::PropertyChanged);
    bar->SetImpresoraChecked(true);
    EXPECT_TRUE(bar->ImpresoraChecked());
    EXPECT_TRUE(bar->ItemChecked("IMPRESORA"));
    bar->SetImpresoraCheckable(false);
    EXPECT_FALSE(bar->ImpresoraChecked());
    bar->SetImpresoraChecked(true);
    EXPECT_FALSE(bar->ImpresoraChecked());
    bar->SetCompartirChecked(true);
    EXPECT_FALSE(bar->CompartirChecked());
    bar->SetCompartirCheckable(true);
    bar->SetCompartirChecked(true);
    EXPECT_TRUE(bar->CompartirChecked());
    QStringList names;
    for (const QList<QVariant>& arguments : changes) names << arguments.at(0).toString();
    EXPECT_EQ(names, (QStringList{"ImpresoraChecked", "ImpresoraCheckable", "CompartirCheckable", "CompartirChecked"}));
}

TEST_F(Bar, AttentionAndAvisoAreOneFlag)
{
    bar->SetItemAviso("GRABAR", true);
    EXPECT_TRUE(bar->ItemAttention("GRABAR"));
    bar->SetItemAttention("GRABAR", false);
    EXPECT_FALSE(bar->ItemAviso("GRABAR"));
}

// The bar as the maintenance window shows it in the browse state, with the
// mouse over one command and another just pressed; saved beside the tests.
TEST_F(Bar, PictureOfTheMaintenanceWindowsBar)
{
    bar->SetItemHeight(600);
    bar->SetIconSize(630);
    bar->SetBorrarEnabled(false);
    bar->SetGrabarEnabled(false);
    bar->SetCancelarEnabled(false);
    bar->SetItemBadge("REPORTE", 3);
    bar->resize(bar->sizeHint().width(), bar->sizeHint().height() + 40);
    ClickOn("NUEVO");
    MoveMouseTo(bar->ItemRect("CONSULTAR").center());

    const QImage picture = Picture();
    QDir().mkpath(CAPTURAS_DIR);
    ASSERT_TRUE(picture.save(QStringLiteral(CAPTURAS_DIR "/barra-de-comandos.png")));
    for (const QString key : {"NUEVO", "REPORTE", "CONSULTAR", "CERRAR"}) {
        EXPECT_GT(Brightest(picture, bar->ItemRect(key)), 225) << key.toStdString();
    }
    for (const QString key : {"BORRAR", "GRABAR", "CANCELAR"}) {
        EXPECT_LT(Brightest(picture, bar->ItemRect(key)), 205) << key.toStdString();
    }
}

TEST_F(Bar, StyleNumbersForceAThemeButTheThemeAndContextPropertiesAskTheSettings)
{
    bar->SetEstilo(5);
    EXPECT_EQ(bar->NormalBackColor(), vb::RGB(122, 122, 122));
    EXPECT_EQ(BackgroundColourOf("CERRAR"), QColor(122, 122, 122));
    bar->SetEstilo(9);
    EXPECT_EQ(bar->Estilo(), 2);
    bar->SetTheme(5);
    EXPECT_EQ(bar->Theme(), 1) << "no settings: the first theme again";
    writeProgramFile("du000ra.ini", "[" + ModUtilVexBar::BarUserName().toUpper()
                                        + "Styles]\r\nStyles=3\r\n[ANA_EMP02Styles]\r\nStyles=2\r\n");
    bar->SetTheme(0);
    EXPECT_EQ(bar->Theme(), 4);
    bar->SetContextDbName(" emp02 ");
    bar->SetContextUserName("ana");
    EXPECT_EQ(bar->ContextDbName(), "emp02");
    EXPECT_EQ(bar->Theme(), 3);
}

TEST_F(Bar, TheActivityBarLookIgnoresTheIconSizeItIsGivenAndKeepsTheTheme)
{
    bar->SetHorizontal(true);
    bar->SetEstilo(3);
    bar->AplicarEstiloVSCode(false, 64);
    EXPECT_EQ(bar->IconPx(), 42);
    EXPECT_DOUBLE_EQ(bar->ItemHeight(), 600);
    EXPECT_FALSE(bar->Horizontal());
    EXPECT_EQ(bar->NormalBackColor(), vb::RGB(52, 52, 52));
    EXPECT_EQ(bar->Theme(), 3);
    bar->SetShowCaptions(true);
    bar->SetEstiloVSCode(true);
    EXPECT_DOUBLE_EQ(bar->ItemHeight(), 520);
}

TEST_F(Bar, LayoutPropertiesAnswerToAllTheirNamesAndLayTheBarOutAgain)
{
    QSignalSpy changes(bar.get(), &UtilVex::PropertyChanged);
    const QRect borrar = bar->ItemRect("BORRAR");
    bar->SetSeparacionBotones(60);
    EXPECT_DOUBLE_EQ(bar->ButtonGap(), 60);
    EXPECT_EQ(bar->ItemRect("BORRAR").top(), borrar.top() + vb::PixelsFromTwips(60));
    bar->SetConTitulo(false);
    EXPECT_FALSE(bar->MostrarTitulo());
    bar->SetModoHorizontal(true);
    EXPECT_FALSE(bar->AutoOrientacion());
    EXPECT_TRUE(bar->Layout().IsHorizontal());
    EXPECT_EQ(bar->sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
    QStringList names;
    for (const QList<QVariant>& arguments : changes) names << arguments.at(0).toString();
    EXPECT_EQ(names, (QStringList{"ItemGap", "ShowCaptions", "Horizontal"}));
}

TEST_F(Bar, ChangesBetweenBeginAndEndUpdateAreLaidOutOnceAtTheEnd)
{
    const QRect nuevo = bar->ItemRect("NUEVO");
    bar->BeginUpdate();
    bar->BeginUpdate();
    bar->SetItemHeight(900);
    bar->EndUpdate();
    EXPECT_EQ(bar->ItemRect("NUEVO"), nuevo);
    bar->EndUpdate();
    EXPECT_EQ(bar->ItemRect("NUEVO").height(), vb::PixelsFromTwips(990) - vb::PixelsFromTwips(90));
    bar->EndUpdate();
    bar->SetItemHeight(600);
    EXPECT_EQ(bar->ItemRect("NUEVO").height(), vb::PixelsFromTwips(690) - vb::PixelsFromTwips(90))
        << "an extra EndUpdate does not hold the layout back";
}

TEST_F(Bar, SizeHintsFollowTheOrientationWithoutFlippingBeforeTheWindowShows)
{
    QWidget window;
    auto* layout = new QHBoxLayout(&window);
    auto* windowBar = new UtilVex(&window);
    layout->addWidget(windowBar);
    layout->addWidget(new QLineEdit(&window), 1);
    const QSize vertical = windowBar->sizeHint();
    EXPECT_GT(vertical.height(), vertical.width());
    for (int i = 0; i < 3; ++i) {
        window.adjustSize();
        EXPECT_EQ(windowBar->sizeHint(), vertical);
    }
    window.resize(800, 600);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(windowBar->sizeHint(), vertical);
    EXPECT_EQ(windowBar->width(), vertical.width());
    EXPECT_FALSE(windowBar->Layout().IsHorizontal());

    windowBar->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    layout->setDirection(QBoxLayout::TopToBottom);
    windowBar->setFixedHeight(80);
    QApplication::processEvents();
    EXPECT_TRUE(windowBar->Layout().IsHorizontal()) << "wider than high once placed so";
    EXPECT_GT(windowBar->sizeHint().width(), windowBar->sizeHint().height());
}

TEST_F(Bar, AHoverMoveRepaintsOnlyTheCellsItConcerns)
{
    struct PaintRecorder : QObject {
        QRegion painted;
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(event)->region();
            return false;
        }
    } recorder;
    MoveMouseTo(bar->ItemRect("NUEVO").center());
    QApplication::processEvents();
    bar->installEventFilter(&recorder);
    MoveMouseTo(bar->ItemRect("BORRAR").center());
    QApplication::processEvents();
    ASSERT_FALSE(recorder.painted.isEmpty());
    const QRegion concerned = QRegion(bar->Layout().AreaOf(0)) + bar->Layout().AreaOf(1);
    EXPECT_TRUE((recorder.painted - concerned).isEmpty());
    EXPECT_FALSE(recorder.painted.intersects(bar->ItemRect("CERRAR")));
}

TEST_F(Bar, AnIconFileChangedOnDiskShowsAfterRefresh)
{
    QTemporaryDir folder;
    QImage picture(16, 16, QImage::Format_ARGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(folder.filePath("NUEVO.png")));
    bar->LoadIconsFromFolder(folder.path());
    ASSERT_EQ(Picture().pixelColor(IconCentreOf("NUEVO")), QColor(Qt::red));
    picture.fill(Qt::blue);
    ASSERT_TRUE(picture.save(folder.filePath("NUEVO.png")));
    bar->RefreshIcons();
    EXPECT_EQ(Picture().pixelColor(IconCentreOf("NUEVO")), QColor(Qt::blue));
}

TEST_F(Bar, IconsKeepTheirSizeOrShrinkToIconPxKeepingTheirShape)
{
    QTemporaryDir folder;
    QImage small(16, 16, QImage::Format_ARGB32);
    small.fill(Qt::red);
    ASSERT_TRUE(small.save(folder.filePath("NUEVO.png")));
    QImage wide(128, 64, QImage::Format_ARGB32);
    wide.fill(Qt::green);
    ASSERT_TRUE(wide.save(folder.filePath("BORRAR.png")));
    bar->LoadIconsFromFolder(folder.path());
    const QImage picture = Picture();
    const QRect red = Bounds(picture, bar->ItemRect("NUEVO"), Qt::red);
    EXPECT_EQ(red.size(), QSize(16, 16));
    EXPECT_LE(std::abs(red.center().x() - bar->ItemRect("NUEVO").center().x()), 1);
    EXPECT_LE(std::abs(red.center().y() - bar->ItemRect("NUEVO").center().y()), 1);
    const QRect green = Bounds(picture, bar->ItemRect("BORRAR"), Qt::green);
    EXPECT_NEAR(green.width(), 42, 1);
    EXPECT_NEAR(green.height(), 21, 1);
}

TEST_F(Bar, ADisabledItemShowsItsOwnDisabledIcon)
{
    QTemporaryDir folder;
    QImage picture(16, 16, QImage::Format_ARGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(folder.filePath("GRABAR.png")));
    picture.fill(Qt::green);
    ASSERT_TRUE(picture.save(folder.filePath("GRABAR_dis.png")));
    bar->LoadIconsFromFolder(folder.path());
    bar->SetItemEnabled("GRABAR", false);
    EXPECT_EQ(Picture().pixelColor(IconCentreOf("GRABAR")), QColor(Qt::green));
    bar->SetItemEnabled("GRABAR", true);
    EXPECT_EQ(Picture().pixelColor(IconCentreOf("GRABAR")), QColor(Qt::red));
}

TEST_F(Bar, TheAttentionDotAndTheCheckBoxSitInTheCellsTopRightCorner)
{
    const QColor green(0, 160, 0);
    bar->SetItemAttention("GRABAR", true, vb::RGB(0, 160, 0));
    const QRect grabar = bar->ItemRect("GRABAR");
    const QPoint dot = grabar.topLeft()
                       + QPoint(vb::PixelsFromTwips(vb::TwipsFromPixels(grabar.width()) - 98), vb::PixelsFromTwips(98));
    const QPoint badgeCorner =
        grabar.topLeft()
        + QPoint(vb::PixelsFromTwips(vb::TwipsFromPixels(grabar.width()) - 315), vb::PixelsFromTwips(75))
        + QPoint(1, 1);
    QImage picture = Picture();
    EXPECT_EQ(picture.pixelColor(dot), green);
    EXPECT_NE(picture.pixelColor(badgeCorner), green);
    bar->SetItemBadge("GRABAR", 2);
    EXPECT_EQ(Picture().pixelColor(badgeCorner), green) << "with a count the badge takes the attention colour";

    bar->SetItemVisible("IMPRESORA", true);
    bar->resize(bar->sizeHint());
    const QRect impresora = bar->ItemRect("IMPRESORA");
    const int side = vb::PixelsFromTwips(230);
    const QRect box(impresora.right() - side - 1, impresora.top() + 1, side, side);
    const QRect inside = box.adjusted(3, 3, -3, -3);
    picture = Picture();
    EXPECT_TRUE(Contains(picture, box, QColor(238, 238, 238))) << "the box's outline";
    EXPECT_LT(Brightest(picture, inside), 200) << "unchecked: a faint mark only";
    bar->SetImpresoraChecked(true);
    EXPECT_GT(Brightest(Picture(), inside), 215);
}
