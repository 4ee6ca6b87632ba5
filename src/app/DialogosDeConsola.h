#pragma once

#include "platform/ui/Dialogs.h"

// Boxes for a run without a window: each message goes to the error stream on
// one line and is answered by the button that gives up (Cancelar, No,
// Anular), or Aceptar when it is the only one, so that nothing waits for a
// person.
class DialogosDeConsola : public Dialogs {
public:
    int messageBox(const QString& prompt, int buttons, const QString& title) override;
    QString inputBox(const QString& prompt, const QString& title, const QString& initial) override;
    std::optional<QString> openFile(const QString& title, const QString& filter) override;
    void showModal(QDialog& window) override;

    // How many messages went to the error stream.
    int escritos() const { return escritos_; }

private:
    void escribir(const QString& titulo, const QString& texto);

    int escritos_ = 0;
};

// A box's text on one line: its first paragraph, whose lines are joined by
// "; ". What follows the first blank line (advice, the question that the
// console answers by itself) is left out.
QString UnaLinea(const QString& texto);
