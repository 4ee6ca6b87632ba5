#pragma once

#include "platform/Service.h"

#include <QString>
#include <QVector>

#include <memory>
#include <optional>

class QDialog;

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

// Every message box, input box, file dialog and modal window of the program
// goes through this service, so that tests can script the operator.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // Returns the result code (1-7) of the button pressed.
    virtual int messageBox(const QString& prompt, int buttons, const QString& title) = 0;
    // Returns the text typed; an empty text when cancelled.
    virtual QString inputBox(const QString& prompt, const QString& title, const QString& initial) = 0;
    // Returns the chosen path; nothing when cancelled. The filter is
    // "description|pattern".
    virtual std::optional<QString> openFile(const QString& title, const QString& filter) = 0;
    // Shows the window modally and returns when it is hidden.
    virtual void showModal(QDialog& window) = 0;
};

// Without another one installed, the real boxes of QtDialogs.
template <>
struct ServiceDefault<Dialogs> {
    static std::unique_ptr<Dialogs> make();
};

// The title of a box shown without one: the program's name.
int MsgBox(const QString& prompt, int buttons = vb::vbOKOnly, const QString& title = {});
QString InputBox(const QString& prompt, const QString& title = {}, const QString& initial = {});
