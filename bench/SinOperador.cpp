#include "SinOperador.h"

#include "Comprobacion.h"
#include "platform/MessageBoxCodes.h"

#include <QDialog>

namespace {

void detener(const QString& title, const QString& prompt)
{
    exigir(false, "unexpected dialog \"" + title + "\": " + prompt);
}

}  // namespace

int SinOperador::messageBox(const QString& prompt, int, const QString& title)
{
    if (aceptada_.isEmpty() || title != aceptada_) detener(title, prompt);
    return vb::vbYes;
}

QString SinOperador::inputBox(const QString& prompt, const QString& title, const QString&)
{
    detener(title, prompt);
    return {};
}

std::optional<QString> SinOperador::openFile(const QString& title, const QString&)
{
    detener(title, {});
    return std::nullopt;
}

void SinOperador::showModal(QDialog& window) { detener(window.windowTitle(), {}); }
