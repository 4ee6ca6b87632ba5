#include "platform/ui/Twips.h"

#include <QGuiApplication>
#include <QScreen>

#include <gtest/gtest.h>

using namespace vb;

TEST(Twips, TheFactorFollowsTheScreensDotsPerInch)
{
    const double dotsPerInch = QGuiApplication::primaryScreen()->logicalDotsPerInchX();
    EXPECT_DOUBLE_EQ(TwipsPerPixelX() * dotsPerInch, 1440.0);
}

TEST(Twips, PixelsAreTheRoundedQuotient)
{
    const double factor = TwipsPerPixelX();
    EXPECT_EQ(PixelsFromTwips(42 * factor), 42);
    EXPECT_EQ(PixelsFromTwips(42.4 * factor), 42);
    EXPECT_EQ(PixelsFromTwips(42.6 * factor), 43);
    EXPECT_DOUBLE_EQ(TwipsFromPixels(42), 42 * factor);
}
