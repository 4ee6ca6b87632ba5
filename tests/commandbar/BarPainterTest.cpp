#include "commandbar/BarPainter.h"

#include <gtest/gtest.h>

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
