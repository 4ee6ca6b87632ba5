#pragma once

#include <QVector>

// Message box codes as the suite writes them: buttons 0-5, an icon
// (16, 32, 48, 64) and a default button (256, 512) added together.
namespace vb {
constexpr int vbOKOnly = 0;
constexpr int vbOKCancel = 1;
constexpr int vbAbortRetryIgnore = 2;
constexpr int vbYesNoCancel = 3;
constexpr int vbYesNo = 4;
constexpr int vbRetryCancel = 5;
constexpr int vbCritical = 16;
constexpr int vbQuestion = 32;
constexpr int vbExclamation = 48;
constexpr int vbInformation = 64;
constexpr int vbDefaultButton2 = 256;
constexpr int vbDefaultButton3 = 512;

constexpr int vbOK = 1;
constexpr int vbCancel = 2;
constexpr int vbAbort = 3;
constexpr int vbRetry = 4;
constexpr int vbIgnore = 5;
constexpr int vbYes = 6;
constexpr int vbNo = 7;

// The results of the buttons of a box, left to right.
QVector<int> ButtonResults(int buttons);
// The result of the box's default button.
int DefaultResult(int buttons);
int IconOf(int buttons);
}  // namespace vb
