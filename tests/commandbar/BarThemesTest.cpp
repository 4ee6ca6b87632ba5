#include "commandbar/BarAppearance.h"
#include "commandbar/BarThemes.h"
#include "platform/ui/VbColor.h"

#include <gtest/gtest.h>

using vb::RGB;

TEST(BarThemes, ALightColourIsBrighterThan204AndAnUnknownThemeIsTheSecond)
{
    EXPECT_FALSE(BarThemes::IsLightColor(RGB(204, 204, 204)));
    EXPECT_TRUE(BarThemes::IsLightColor(RGB(205, 205, 205)));
    // 299 x 255 + 587 x 199 + 114 x 100 = 204,458: 204 after the integer division.
    EXPECT_FALSE(BarThemes::IsLightColor(RGB(255, 199, 100)));
    EXPECT_TRUE(BarThemes::IsLightColor(RGB(255, 200, 100)));
    BarAppearance appearance;
    appearance.ApplyTheme(6);
    EXPECT_EQ(appearance.Theme(), 2);
    EXPECT_EQ(appearance.NormalBackColor(), RGB(42, 42, 42));
    EXPECT_EQ(BarThemes::NormalColor(6), 0);
}

TEST(BarThemes, OnlyTitleOnlyButtonsTradeALightColourForTheThemes)
{
    BarAppearance appearance;
    appearance.ApplyTheme(4);
    appearance.SetNormalBackColor(RGB(250, 250, 250));
    appearance.SetActiveBackColor(RGB(60, 20, 20));
    EXPECT_EQ(appearance.PanelBackColor(), RGB(250, 250, 250));
    EXPECT_EQ(appearance.HighlightBackColor(), RGB(250, 250, 250)) << "the strip highlights nothing by colour";
    EXPECT_EQ(appearance.PanelFillColor(), RGB(255, 255, 255)) << "28 lighter, within 255";

    appearance.SetSoloTitulo(true);
    EXPECT_EQ(appearance.PanelBackColor(), RGB(135, 133, 150)) << "theme 4's normal colour";
    EXPECT_EQ(appearance.HighlightBackColor(), RGB(105, 103, 125)) << "theme 4's active colour";
    appearance.SetNormalBackColor(RGB(30, 30, 30));
    EXPECT_EQ(appearance.HighlightBackColor(), RGB(60, 20, 20));
    appearance.SetActiveBackColor(RGB(240, 240, 240));
    EXPECT_EQ(appearance.HighlightBackColor(), RGB(105, 103, 125));
    EXPECT_EQ(appearance.PanelFillColor(), RGB(58, 58, 58));
}
