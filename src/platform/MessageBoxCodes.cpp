#include "platform/MessageBoxCodes.h"

#include <algorithm>

namespace vb {

QVector<int> ButtonResults(int buttons)
{
    switch (buttons & 0xF) {
    case vbOKCancel: return {vbOK, vbCancel};
    case vbAbortRetryIgnore: return {vbAbort, vbRetry, vbIgnore};
    case vbYesNoCancel: return {vbYes, vbNo, vbCancel};
    case vbYesNo: return {vbYes, vbNo};
    case vbRetryCancel: return {vbRetry, vbCancel};
    default: return {vbOK};
    }
}

int DefaultResult(int buttons)
{
    const QVector<int> results = ButtonResults(buttons);
    const int wanted = (buttons & vbDefaultButton3) ? 2 : (buttons & vbDefaultButton2) ? 1 : 0;
    return results[std::min<qsizetype>(wanted, results.size() - 1)];
}

int IconOf(int buttons) { return buttons & 0x70; }

}  // namespace vb
