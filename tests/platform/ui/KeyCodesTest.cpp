#include "platform/ui/KeyCodes.h"

#include <QKeyEvent>

#include <gtest/gtest.h>

using namespace vb;

TEST(KeyCodes, FunctionKeysEscapeAndEnterGiveTheSuitesCodes)
{
    EXPECT_EQ(KeyCodeOf(Qt::Key_Escape), 27);
    EXPECT_EQ(KeyCodeOf(Qt::Key_F1), 112);
    EXPECT_EQ(KeyCodeOf(Qt::Key_F2), vbKeyF2);
    EXPECT_EQ(KeyCodeOf(Qt::Key_F6), 117);
    EXPECT_EQ(KeyCodeOf(Qt::Key_F10), 121);
    EXPECT_EQ(KeyCodeOf(Qt::Key_F12), vbKeyF12);
    EXPECT_EQ(KeyCodeOf(Qt::Key_Return), 13);
    EXPECT_EQ(KeyCodeOf(Qt::Key_Enter, Qt::KeypadModifier), vbKeyReturn);
}

TEST(KeyCodes, EditingAndMovementKeys)
{
    EXPECT_EQ(KeyCodeOf(Qt::Key_Tab), vbKeyTab);
    EXPECT_EQ(KeyCodeOf(Qt::Key_Backtab, Qt::ShiftModifier), vbKeyTab);
    EXPECT_EQ(KeyCodeOf(Qt::Key_Backspace), vbKeyBack);
    EXPECT_EQ(KeyCodeOf(Qt::Key_Delete), 46);
    EXPECT_EQ(KeyCodeOf(Qt::Key_Insert), 45);
    EXPECT_EQ(KeyCodeOf(Qt::Key_Up), 38);
    EXPECT_EQ(KeyCodeOf(Qt::Key_Down), vbKeyDown);
    EXPECT_EQ(KeyCodeOf(Qt::Key_PageDown), vbKeyPageDown);
    EXPECT_EQ(KeyCodeOf(Qt::Key_Home), vbKeyHome);
    EXPECT_EQ(KeyCodeOf(Qt::Key_Space), vbKeySpace);
}

TEST(KeyCodes, DigitsAndLettersKeepTheirCharacterCodesAndTheKeypadHasItsOwn)
{
    EXPECT_EQ(KeyCodeOf(Qt::Key_0), vbKey0);
    EXPECT_EQ(KeyCodeOf(Qt::Key_7), 55);
    EXPECT_EQ(KeyCodeOf(Qt::Key_A), vbKeyA);
    EXPECT_EQ(KeyCodeOf(Qt::Key_Z, Qt::ShiftModifier), vbKeyZ);
    EXPECT_EQ(KeyCodeOf(Qt::Key_7, Qt::KeypadModifier), 103);
    EXPECT_EQ(KeyCodeOf(Qt::Key_0, Qt::KeypadModifier), vbKeyNumpad0);
    EXPECT_EQ(KeyCodeOf(Qt::Key_Plus, Qt::KeypadModifier), vbKeyAdd);
    EXPECT_EQ(KeyCodeOf(Qt::Key_Comma, Qt::KeypadModifier), vbKeyDecimal);
    EXPECT_EQ(KeyCodeOf(Qt::Key_Period, Qt::KeypadModifier), vbKeyDecimal);
    // Arrows of the keypad with num lock off are plain arrows.
    EXPECT_EQ(KeyCodeOf(Qt::Key_Left, Qt::KeypadModifier), vbKeyLeft);
}

TEST(KeyCodes, KeysWithoutACodeGiveZero)
{
    EXPECT_EQ(KeyCodeOf(Qt::Key_Ntilde), 0);
    EXPECT_EQ(KeyCodeOf(Qt::Key_VolumeUp), 0);
    EXPECT_EQ(KeyCodeOf(Qt::Key_Plus), 0);
}

TEST(KeyCodes, KeyEventsGiveTheCodeOfTheirKey)
{
    const QKeyEvent f5(QEvent::KeyPress, Qt::Key_F5, Qt::NoModifier);
    EXPECT_EQ(KeyCodeOf(f5), vbKeyF5);
    const QKeyEvent keypadThree(QEvent::KeyPress, Qt::Key_3, Qt::KeypadModifier, "3");
    EXPECT_EQ(KeyCodeOf(keypadThree), vbKeyNumpad0 + 3);
}

TEST(KeyCodes, ShiftStateCombinesShiftControlAndAlt)
{
    EXPECT_EQ(ShiftStateOf(Qt::NoModifier), 0);
    EXPECT_EQ(ShiftStateOf(Qt::ShiftModifier), vbShiftMask);
    EXPECT_EQ(ShiftStateOf(Qt::ControlModifier | Qt::AltModifier), vbCtrlMask | vbAltMask);
    EXPECT_EQ(ShiftStateOf(Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::KeypadModifier), 7);
}
