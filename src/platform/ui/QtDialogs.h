#pragma once

#include "platform/ui/Dialogs.h"

// The dialogs service on Qt's standard dialogs, with Spanish button captions.
class QtDialogs : public Dialogs {
public:
    int messageBox(const QString& prompt, int buttons, const QString& title) override;
    QString inputBox(const QString& prompt, const QString& title, const QString& initial) override;
    std::optional<QString> openFile(const QString& title, const QString& filter) override;
    void showModal(QDialog& window) override;
};
