#pragma once

#include "platform/ui/Dialogs.h"

#include <QString>

#include <utility>

// No one sits at a bench: the question titled `aceptada` (if any) is answered
// "Sí", and any other box means the run went astray: it says what the box
// was and fails the bench.
class SinOperador : public Dialogs {
public:
    explicit SinOperador(QString aceptada = {}) : aceptada_(std::move(aceptada)) {}

    int messageBox(const QString& prompt, int buttons, const QString& title) override;
    QString inputBox(const QString& prompt, const QString& title, const QString& initial) override;
    std::optional<QString> openFile(const QString& title, const QString& filter) override;
    void showModal(QDialog& window) override;

private:
    QString aceptada_;
};
