#include "platform/ui/VbColor.h"

#include <gtest/gtest.h>

using namespace vb;

TEST(VbColor, RedIsTheLowByte)
{
    EXPECT_EQ(RGB(42, 42, 42), 2763306);
    EXPECT_EQ(RGB(204, 204, 204), 13421772);
    EXPECT_EQ(RGB(255, 0, 0), 0x0000FF);
    EXPECT_EQ(RGB(0, 0, 255), 0xFF0000);
    EXPECT_EQ(ToQColor(RGB(10, 20, 30)), QColor(10, 20, 30));
    EXPECT_EQ(FromQColor(QColor(220, 64, 64)), RGB(220, 64, 64));
}

TEST(VbColor, ShiftColorClampsEachChannel)
{
    EXPECT_EQ(ShiftColor(RGB(42, 42, 42), 28), RGB(70, 70, 70));
    EXPECT_EQ(ShiftColor(RGB(250, 10, 128), 10), RGB(255, 20, 138));
    EXPECT_EQ(ShiftColor(RGB(250, 10, 128), -20), RGB(230, 0, 108));
}
