#include "platform/ui/ScreenPlacement.h"

#include <QWidget>

#include <gtest/gtest.h>

namespace {

// A screen that is not the machine's, away from the origin.
const QRect kAvailable(100, 50, 800, 600);

}  // namespace

TEST(ScreenPlacement, AWindowLargerThanTheScreenIsShrunkToItAndCentred)
{
    QWidget window;
    window.resize(1200, 900);
    centerWindowOnScreen(window, kAvailable);
    EXPECT_EQ(window.frameGeometry(), kAvailable);
}

TEST(ScreenPlacement, AWindowThatFitsIsCentredAndKeepsItsSize)
{
    QWidget window;
    window.resize(400, 300);
    centerWindowOnScreen(window, kAvailable);
    EXPECT_EQ(window.size(), QSize(400, 300));
    EXPECT_EQ(window.frameGeometry().center(), kAvailable.center());
}

TEST(ScreenPlacement, AWindowPlacedOffTheScreenIsMovedBackWhole)
{
    for (const QPoint& saved : {QPoint(-3000, -3000), QPoint(5000, 4000), QPoint(850, 620), QPoint(120, -40)}) {
        QWidget window;
        window.resize(400, 300);
        window.move(saved);
        fitWindowToScreen(window, kAvailable);
        EXPECT_TRUE(kAvailable.contains(window.frameGeometry())) << saved.x() << "," << saved.y();
        EXPECT_EQ(window.size(), QSize(400, 300));
    }
}

TEST(ScreenPlacement, AWindowOnTheScreenStaysWhereItIs)
{
    QWidget window;
    window.setGeometry(150, 80, 400, 300);
    fitWindowToScreen(window, kAvailable);
    EXPECT_EQ(window.geometry(), QRect(150, 80, 400, 300));
}
