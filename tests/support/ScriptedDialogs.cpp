#include "support/ScriptedDialogs.h"

#include <QDialog>

#include <gtest/gtest.h>

int ScriptedDialogs::messageBox(const QString& prompt, int buttons, const QString& title)
{
    boxes_.append({prompt, buttons, title});
    if (atEachBox_) atEachBox_();
    if (answers_.isEmpty()) {
        ADD_FAILURE() << "Unexpected message box: " << title.toStdString() << " / " << prompt.toStdString();
        return vb::DefaultResult(buttons);
    }
    return answers_.dequeue();
}

QString ScriptedDialogs::inputBox(const QString& prompt, const QString& title, const QString&)
{
    boxes_.append({prompt, -1, title});
    if (inputs_.isEmpty()) {
        ADD_FAILURE() << "Unexpected input box: " << prompt.toStdString();
        return {};
    }
    return inputs_.dequeue();
}

std::optional<QString> ScriptedDialogs::openFile(const QString& title, const QString&)
{
    boxes_.append({{}, -1, title});
    if (files_.isEmpty()) {
        ADD_FAILURE() << "Unexpected file dialog: " << title.toStdString();
        return std::nullopt;
    }
    return files_.dequeue();
}

void ScriptedDialogs::showModal(QDialog& window)
{
    boxes_.append({{}, -1, window.windowTitle()});
    if (modals_.isEmpty()) {
        ADD_FAILURE() << "Unexpected modal window: " << window.windowTitle().toStdString();
        return;
    }
    window.show();
    modals_.dequeue()(window);
    window.hide();
}
