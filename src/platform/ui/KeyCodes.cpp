#include "platform/ui/KeyCodes.h"

#include <QHash>
#include <QKeyEvent>

namespace vb {

namespace {

constexpr int kNoCode = 0;
constexpr int kFunctionKeyCount = 24;

int KeypadCodeOf(int qtKey)
{
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return vbKeyNumpad0 + (qtKey - Qt::Key_0);
    switch (qtKey) {
    case Qt::Key_Asterisk: return vbKeyMultiply;
    case Qt::Key_Plus: return vbKeyAdd;
    case Qt::Key_Minus: return vbKeySubtract;
    case Qt::Key_Period:
    case Qt::Key_Comma: return vbKeyDecimal;  // the decimal key types "," on Spanish keyboards
    case Qt::Key_Slash: return vbKeyDivide;
    default: return kNoCode;
    }
}

const QHash<int, int>& NamedKeyCodes()
{
    static const QHash<int, int> codes{
        {Qt::Key_Backspace, vbKeyBack},
        {Qt::Key_Tab, vbKeyTab},
        {Qt::Key_Backtab, vbKeyTab},
        {Qt::Key_Clear, vbKeyClear},
        {Qt::Key_Return, vbKeyReturn},
        {Qt::Key_Enter, vbKeyReturn},
        {Qt::Key_Shift, vbKeyShift},
        {Qt::Key_Control, vbKeyControl},
        {Qt::Key_Alt, vbKeyMenu},
        {Qt::Key_Pause, vbKeyPause},
        {Qt::Key_CapsLock, vbKeyCapital},
        {Qt::Key_Escape, vbKeyEscape},
        {Qt::Key_Space, vbKeySpace},
        {Qt::Key_PageUp, vbKeyPageUp},
        {Qt::Key_PageDown, vbKeyPageDown},
        {Qt::Key_End, vbKeyEnd},
        {Qt::Key_Home, vbKeyHome},
        {Qt::Key_Left, vbKeyLeft},
        {Qt::Key_Up, vbKeyUp},
        {Qt::Key_Right, vbKeyRight},
        {Qt::Key_Down, vbKeyDown},
        {Qt::Key_Print, vbKeySnapshot},
        {Qt::Key_Printer, vbKeyPrint},
        {Qt::Key_Insert, vbKeyInsert},
        {Qt::Key_Delete, vbKeyDelete},
        {Qt::Key_Help, vbKeyHelp},
        {Qt::Key_NumLock, vbKeyNumlock},
        {Qt::Key_ScrollLock, vbKeyScrollLock},
    };
    return codes;
}

int MainKeyboardCodeOf(int qtKey)
{
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return vbKey0 + (qtKey - Qt::Key_0);
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return vbKeyA + (qtKey - Qt::Key_A);
    if (qtKey >= Qt::Key_F1 && qtKey < Qt::Key_F1 + kFunctionKeyCount) return vbKeyF1 + (qtKey - Qt::Key_F1);
    return NamedKeyCodes().value(qtKey, kNoCode);
}

}  // namespace

int KeyCodeOf(int qtKey, Qt::KeyboardModifiers modifiers)
{
    if (modifiers.testFlag(Qt::KeypadModifier)) {
        const int keypad = KeypadCodeOf(qtKey);
        if (keypad != kNoCode) return keypad;
    }
    return MainKeyboardCodeOf(qtKey);
}

int KeyCodeOf(const QKeyEvent& event) { return KeyCodeOf(event.key(), event.modifiers()); }

int ShiftStateOf(Qt::KeyboardModifiers modifiers)
{
    int state = 0;
    if (modifiers.testFlag(Qt::ShiftModifier)) state |= vbShiftMask;
    if (modifiers.testFlag(Qt::ControlModifier)) state |= vbCtrlMask;
    if (modifiers.testFlag(Qt::AltModifier)) state |= vbAltMask;
    return state;
}

}  // namespace vb
