#include "platform/ui/Dialogs.h"

#include "platform/os/System.h"
#include "platform/ui/QtDialogs.h"

namespace {
QString titleOrProgram(const QString& title) { return title.isEmpty() ? os::executableName() : title; }
}  // namespace

std::unique_ptr<Dialogs> ServiceDefault<Dialogs>::make() { return std::make_unique<QtDialogs>(); }

int MsgBox(const QString& prompt, int buttons, const QString& title)
{
    return Service<Dialogs>::get().messageBox(prompt, buttons, titleOrProgram(title));
}

QString InputBox(const QString& prompt, const QString& title, const QString& initial)
{
    return Service<Dialogs>::get().inputBox(prompt, titleOrProgram(title), initial);
}
