#include "platform/ui/Dialogs.h"

#include "platform/os/System.h"
#include "platform/ui/BeforeDialog.h"
#include "platform/ui/QtDialogs.h"

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

namespace {
QString titleOrProgram(const QString& title) { return title.isEmpty() ? os::executableName() : title; }
}  // namespace

std::unique_ptr<Dialogs> ServiceDefault<Dialogs>::make() { return std::make_unique<QtDialogs>(); }

int MsgBox(const QString& prompt, int buttons, const QString& title)
{
    BeforeDialog::runAll();
    return Service<Dialogs>::get().messageBox(prompt, buttons, titleOrProgram(title));
}

QString InputBox(const QString& prompt, const QString& title, const QString& initial)
{
    BeforeDialog::runAll();
    return Service<Dialogs>::get().inputBox(prompt, titleOrProgram(title), initial);
}
