#pragma once

#include "platform/MessageBoxCodes.h"
#include "platform/Service.h"

#include <QString>
#include <QVector>

#include <memory>
#include <optional>

class QDialog;

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
