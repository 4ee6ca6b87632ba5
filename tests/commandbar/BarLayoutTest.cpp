#include "commandbar/BarAppearance.h"
#include "commandbar/BarLayout.h"
#include "commandbar/BarModel.h"
#include "platform/ui/Twips.h"

#include <QApplication>
#include <QFontMetrics>

#include <gtest/gtest.h>

namespace {

int Px(double twips) { return vb::PixelsFromTwips(twips); }

constexpr double kStep = 120 + BarLayout::kCellWidth + 120;  // from one cell of a horizontal strip to the next

// The default items placed in a control of a given size, its shape known.
class Layout : public ::testing::Test {
protected:
    void SetUp() override { model.LoadDefaultItems(); }
    const BarLayout& LaidOut(const QSize& size, bool shapeKnown = true)
    {
        layout.Compute(size, shapeKnown, QApplication::font());
        return layout;
    }
    QRect Cell(const QString& key) const { return layout.PlaceOf(model.FindItem(key))->cell; }

    BarModel model;
    BarAppearance appearance;
    BarLayout layout{model, appearance};
};

}  // namespace

TEST_F(Layout, AVerticalStripStacksTheVisibleItemsWithTheirCaptionsUnder)
{
    LaidOut({68, 600});
    ASSERT_FALSE(layout.IsHorizontal());
    ASSERT_EQ(layout.Places().size(), 7u);
    EXPECT_EQ(layout.Places()[4].index, 5) << "CANCELAR, after the hidden PLANILLA";
    EXPECT_EQ(Cell("NUEVO"), QRect(Px(120), Px(90), Px(120 + BarLayout::kCellWidth) - Px(120), Px(610) - Px(90)));
    EXPECT_EQ(Cell("BORRAR").top(), Px(90 + 520 + 400 + 20)) << "cell, caption room and the widest caption gap";
    const BarLayout::Place& nuevo = *layout.PlaceOf(0);
    EXPECT_EQ(nuevo.caption.top(), Px(90 + 520 + 10));
    EXPECT_EQ(nuevo.text, "Nuevo");
    EXPECT_EQ(layout.ItemAt(nuevo.caption.center()), 0) << "a click on the caption is one on the item";
    EXPECT_EQ(layout.ItemAt(QPoint(1, 1)), -1);
    EXPECT_EQ(layout.Extent().width(), Px(BarLayout::kStripWidth));
}

TEST_F(Layout, TheCaptionGapShrinksInAShortControlButNotBelowNothing)
{
    // Seven items need 60 + 90 + 7 x (520 + 400) twips before any gap.
    LaidOut({68, 444});  // 6660 twips: 70 to share among six gaps
    EXPECT_EQ(Cell("BORRAR").top(), Px(90 + 520 + 400 + 70.0 / 6));
    LaidOut({68, 300});
    EXPECT_EQ(Cell("BORRAR").top(), Px(90 + 520 + 400));
    EXPECT_EQ(layout.Extent().height(), LaidOut({68, 2000}).Extent().height()) << "the hint keeps the widest gaps";
}

TEST_F(Layout, AnAutomaticOrientationFollowsTheShapeOnceTheControlHasOne)
{
    EXPECT_TRUE(LaidOut({700, 200}).IsHorizontal());
    EXPECT_TRUE(LaidOut({300, 300}).IsHorizontal()) << "as wide as high";
    EXPECT_FALSE(LaidOut({68, 600}).IsHorizontal());
    EXPECT_FALSE(LaidOut({700, 200}, false).IsHorizontal()) << "a control never placed keeps to Horizontal";
    appearance.SetHorizontal(true);
    EXPECT_FALSE(appearance.AutoOrientacion());
    EXPECT_TRUE(LaidOut({68, 600}).IsHorizontal());
}

TEST_F(Layout, NothingIsPlacedAboveTheControl)
{
    appearance.SetHorizontal(true);
    LaidOut({700, 65});
    EXPECT_EQ(Cell("NUEVO").topLeft(), QPoint(Px(120), 0)) << "the top offset less 60 is clamped to the top";
    EXPECT_EQ(Cell("BORRAR").left(), Px(kStep));
    appearance.SetTopOffset(200);
    EXPECT_EQ(LaidOut({700, 65}).Places().front().cell.top(), Px(140));
    appearance.SetTopOffset(-500);
    appearance.SetHorizontal(false);
    EXPECT_EQ(LaidOut({68, 600}).Places().front().cell.top(), 0);
}

TEST_F(Layout, TheGroupGapFollowsOnlyTheItemOfItsKeyAndGapsStopAtMinus300)
{
    appearance.SetHorizontal(true);
    appearance.SetGroupGap(300);
    appearance.SetGroupBreakAfterTag(" consultar ");
    LaidOut({900, 65});
    const int step = Px(kStep) - Px(120);
    EXPECT_NEAR(Cell("REPORTE").left() - Cell("BORRAR").left(), step, 1);
    EXPECT_NEAR(Cell("CANCELAR").left() - Cell("CONSULTAR").left(), step + Px(300), 1);
    EXPECT_NEAR(Cell("GRABAR").left() - Cell("CANCELAR").left(), step, 1);
    appearance.SetItemGap(-500);
    EXPECT_EQ(LaidOut({900, 65}).PlaceOf(1)->cell.left(), Px(kStep - 300));
    appearance.SetHorizontal(false);
    appearance.SetShowCaptions(false);
    appearance.SetItemGap(200);
    EXPECT_EQ(LaidOut({68, 900}).PlaceOf(1)->cell.top(), Px(90 + 520 + 200)) << "without captions only the gap";
}

TEST_F(Layout, AnItemWithoutAnIconShowsItsCaptionLargerOnTheCellEvenWithCaptionsOff)
{
    model.AddItem("EXPORTAR", "Exportar", "", false);
    appearance.SetShowCaptions(false);
    LaidOut({68, 2000});
    const BarLayout::Place& exportar = *layout.PlaceOf(model.FindItem("EXPORTAR"));
    EXPECT_TRUE(exportar.large);
    EXPECT_EQ(exportar.caption, exportar.cell);
    EXPECT_TRUE(layout.PlaceOf(0)->caption.isEmpty());
    EXPECT_EQ(layout.PlaceOf(0)->activeBar.bottom(), layout.PlaceOf(0)->cell.bottom());
    EXPECT_EQ(layout.CaptionFont(true).pointSizeF(), QApplication::font().pointSizeF() + 2);
}

TEST_F(Layout, TheAreaBeyondTheStripIsFilledAndTheStripIsAsHighAsItsCaptionsNeed)
{
    ASSERT_TRUE(LaidOut({200, 600}, false).FillArea());
    EXPECT_EQ(*layout.FillArea(), QRect(QPoint(Px(1020), 0), QPoint(199, 599)));
    EXPECT_FALSE(LaidOut({68, 600}).FillArea());
    appearance.SetHorizontal(true);
    EXPECT_EQ(LaidOut({700, 200}).FillArea()->top(), Px(976));
    EXPECT_FALSE(LaidOut({700, 65}).FillArea());
    EXPECT_EQ(layout.Extent(), QSize(Px(120 + 7 * (BarLayout::kCellWidth + 120)), Px(BarLayout::kStripHeight)));
    appearance.SetShowCaptions(false);
    EXPECT_EQ(LaidOut({700, 65}).Extent().height(), Px(520 + 45));
}

TEST_F(Layout, TitleOnlyButtonsFlowAndWrapOnlyAfterAButton)
{
    appearance.SetSoloTitulo(true);
    const int firstRow = Px(45);
    const int secondRow = Px(45 + 260 + 30);  // rows half the item height, 30 twips apart
    LaidOut({2000, 40});
    for (const BarLayout::Place& place : layout.Places()) EXPECT_EQ(place.cell.top(), firstRow);
    EXPECT_EQ(Cell("NUEVO"), QRect(Px(90), firstRow, Cell("NUEVO").width(), Px(45 + 260) - firstRow));
    LaidOut({200, 100});  // room for two buttons a row
    EXPECT_EQ(Cell("BORRAR").top(), firstRow);
    EXPECT_EQ(Cell("REPORTE").topLeft(), QPoint(Px(90), secondRow));
    EXPECT_GT(layout.TitleOnlyHeight(200), layout.TitleOnlyHeight(2000));

    model.ClearItems();
    model.AddItem("LARGO", QString(60, u'M'), "", false);
    model.AddItem("CORTO", "Ok", "", false);
    LaidOut({40, 100});  // narrower than the least room the flow takes, 690 twips
    EXPECT_EQ(Cell("LARGO"), QRect(Px(90), firstRow, Px(690) - Px(90), Px(45 + 260) - firstRow))
        << "a lone wide button stays on its row, clipped to the room there is";
    EXPECT_TRUE(layout.PlaceOf(0)->text.endsWith("..."));
    EXPECT_EQ(Cell("CORTO").top(), secondRow);
}

TEST(FitCaption, KeepsWhatFitsAndEndsTheRestWithAnEllipsis)
{
    const QFontMetrics metrics(QApplication::font());
    EXPECT_EQ(BarLayout::FitCaption("Grabar", 500, metrics), "Grabar");
    EXPECT_EQ(BarLayout::FitCaption("  Unidad\r\nde\nNegocio ", 1000, metrics), "Unidad  de Negocio");
    const QString caption = "Procesar con inteligencia artificial";
    const int width = metrics.horizontalAdvance("Procesar c...");
    EXPECT_EQ(BarLayout::FitCaption(caption, width, metrics), "Procesar c...");
    EXPECT_EQ(BarLayout::FitCaption(caption, width - 1, metrics), "Procesar ...");
    EXPECT_EQ(BarLayout::FitCaption(caption, 1, metrics), "...");
}
