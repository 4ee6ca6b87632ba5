#include "commandbar/BarAppearance.h"
#include "commandbar/BarModel.h"
#include "commandbar/BarPainter.h"

#include <QApplication>
#include <QFontMetrics>

#include <gtest/gtest.h>

namespace {

class Painter : public ::testing::Test {
protected:
    void SetUp() override { model.LoadDefaultItems(); }

    BarModel model;
    BarAppearance appearance;
    BarPainter painter{model, appearance};
    QFontMetrics metrics{QApplication::font()};
};

}  // namespace

TEST_F(Painter, CellsStackTheVisibleItemsTopToBottomAcrossTheWholeWidth)
{
    const std::vector<BarPainter::Cell> cells = painter.Cells(68, metrics);
    ASSERT_EQ(cells.size(), 7u);
    const std::vector<int> expectedSlots{0, 1, 2, 3, 5, 6, 7};
    for (std::size_t i = 0; i < cells.size(); ++i) {
        EXPECT_EQ(cells[i].index, expectedSlots[i]);
        EXPECT_EQ(cells[i].rect.left(), 0);
        EXPECT_EQ(cells[i].rect.width(), 68);
        if (i > 0) {
            EXPECT_GT(cells[i].rect.top(), cells[i - 1].rect.bottom());
        }
    }
    EXPECT_GT(cells[0].rect.top(), 0);
}

TEST_F(Painter, ItemAtFindsTheSlotUnderAPoint)
{
    const std::vector<BarPainter::Cell> cells = painter.Cells(68, metrics);
    EXPECT_EQ(painter.ItemAt(cells[4].rect.center(), 68, metrics), 5);  // CANCELAR, after the hidden PLANILLA
    EXPECT_EQ(painter.ItemAt(cells[0].rect.topLeft(), 68, metrics), 0);
    EXPECT_EQ(painter.ItemAt(QPoint(10, 1), 68, metrics), -1);
    EXPECT_EQ(painter.ItemAt(QPoint(10, cells.back().rect.bottom() + 5), 68, metrics), -1);
}

TEST_F(Painter, TallerItemsMakeTallerCellsAndALongerBar)
{
    const int before = painter.Cells(68, metrics)[0].rect.height();
    const QSize barBefore = painter.SizeHint(metrics);
    appearance.SetItemHeight(900);
    EXPECT_GT(painter.Cells(68, metrics)[0].rect.height(), before);
    EXPECT_GT(painter.SizeHint(metrics).height(), barBefore.height());
    EXPECT_EQ(painter.SizeHint(metrics).width(), barBefore.width());
}

TEST(BarPainter, CaptionsThatFitAreKept)
{
    const QFontMetrics metrics(QApplication::font());
    EXPECT_EQ(BarPainter::FitCaption("Grabar", 500, metrics), "Grabar");
    EXPECT_EQ(BarPainter::FitCaption("", 500, metrics), "");
}

TEST(BarPainter, LineBreaksReadAsBlanks)
{
    const QFontMetrics metrics(QApplication::font());
    EXPECT_EQ(BarPainter::FitCaption("  Unidad\r\nde\nNegocio ", 1000, metrics), "Unidad  de Negocio");
}

TEST(BarPainter, ALongCaptionShowsItsBeginningAndAnEllipsis)
{
    const QFontMetrics metrics(QApplication::font());
    const QString caption = "Procesar con inteligencia artificial";
    const int width = metrics.horizontalAdvance("Procesar c...");
    const QString fitted = BarPainter::FitCaption(caption, width, metrics);
    EXPECT_EQ(fitted, "Procesar c...");
    EXPECT_LE(metrics.horizontalAdvance(fitted), width);
    EXPECT_EQ(BarPainter::FitCaption(caption, 1, metrics), "...");
}

TEST(BarPainter, PicturesShrinkToTheTargetKeepingTheirShapeButNeverGrow)
{
    EXPECT_EQ(BarPainter::FitPicture(QSize(16, 16), QSize(42, 42)), QSize(16, 16));
    EXPECT_EQ(BarPainter::FitPicture(QSize(128, 64), QSize(42, 42)), QSize(42, 21));
    EXPECT_EQ(BarPainter::FitPicture(QSize(30, 90), QSize(42, 42)), QSize(14, 42));
    EXPECT_EQ(BarPainter::FitPicture(QSize(500, 1), QSize(42, 42)), QSize(42, 1));
}

TEST(BarPainter, BadgeTextCapsAtNinetyNine)
{
    EXPECT_EQ(BarPainter::BadgeText(0), "");
    EXPECT_EQ(BarPainter::BadgeText(1), "1");
    EXPECT_EQ(BarPainter::BadgeText(99), "99");
    EXPECT_EQ(BarPainter::BadgeText(100), "99+");
    EXPECT_EQ(BarPainter::BadgeText(150), "99+");
}
