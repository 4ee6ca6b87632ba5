#pragma once

#include <Qt>

class QKeyEvent;

// The suite's key codes: the workstation's virtual-key numbers, which its
// key handlers compare against (Esc 27, Enter 13, F2 113, ...), and the
// shift-state bits they receive beside them.
namespace vb {

constexpr int vbKeyBack = 8;
constexpr int vbKeyTab = 9;
constexpr int vbKeyClear = 12;
constexpr int vbKeyReturn = 13;
constexpr int vbKeyShift = 16;
constexpr int vbKeyControl = 17;
constexpr int vbKeyMenu = 18;
constexpr int vbKeyPause = 19;
constexpr int vbKeyCapital = 20;
constexpr int vbKeyEscape = 27;
constexpr int vbKeySpace = 32;
constexpr int vbKeyPageUp = 33;
constexpr int vbKeyPageDown = 34;
constexpr int vbKeyEnd = 35;
constexpr int vbKeyHome = 36;
constexpr int vbKeyLeft = 37;
constexpr int vbKeyUp = 38;
constexpr int vbKeyRight = 39;
constexpr int vbKeyDown = 40;
constexpr int vbKeyPrint = 42;
constexpr int vbKeySnapshot = 44;
constexpr int vbKeyInsert = 45;
constexpr int vbKeyDelete = 46;
constexpr int vbKeyHelp = 47;
// Digits and letters run contiguously from these codes, as their characters do.
constexpr int vbKey0 = 48;
constexpr int vbKey9 = 57;
constexpr int vbKeyA = 65;
constexpr int vbKeyZ = 90;
constexpr int vbKeyNumpad0 = 96;
constexpr int vbKeyNumpad9 = 105;
constexpr int vbKeyMultiply = 106;
constexpr int vbKeyAdd = 107;
constexpr int vbKeySubtract = 109;
constexpr int vbKeyDecimal = 110;
constexpr int vbKeyDivide = 111;
constexpr int vbKeyF1 = 112;
constexpr int vbKeyF2 = 113;
constexpr int vbKeyF3 = 114;
constexpr int vbKeyF4 = 115;
constexpr int vbKeyF5 = 116;
constexpr int vbKeyF6 = 117;
constexpr int vbKeyF7 = 118;
constexpr int vbKeyF8 = 119;
constexpr int vbKeyF9 = 120;
constexpr int vbKeyF10 = 121;
constexpr int vbKeyF11 = 122;
constexpr int vbKeyF12 = 123;
constexpr int vbKeyNumlock = 144;
constexpr int vbKeyScrollLock = 145;

constexpr int vbShiftMask = 1;
constexpr int vbCtrlMask = 2;
constexpr int vbAltMask = 4;

// The suite's code of a toolkit key; keys of the numeric keypad give their
// keypad codes. 0 for a key the suite has no code for.
int KeyCodeOf(int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
int KeyCodeOf(const QKeyEvent& event);
// The shift-state bits (vbShiftMask, vbCtrlMask, vbAltMask) of the modifiers.
int ShiftStateOf(Qt::KeyboardModifiers modifiers);

}  // namespace vb
