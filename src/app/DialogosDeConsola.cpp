#include "app/DialogosDeConsola.h"

#include <QTextStream>

#include <cstdio>

namespace {

void escribir(const QString& title, const QString& prompt) { QTextStream(stderr) << title << ": " << prompt << '\n'; }

}  // namespace

int DialogosDeConsola::messageBox(const QString& prompt, int buttons, const QString& title)
{
    escribir(title, prompt);
    const QVector<int> botones = vb::ButtonResults(buttons);
    for (int rendirse : {vb::vbCancel, vb::vbNo, vb::vbAbort})
        if (botones.contains(rendirse)) return rendirse;
    return vb::vbOK;
}

QString DialogosDeConsola::inputBox(const QString& prompt, const QString& title, const QString&)
{
    escribir(title, prompt);
    return {};
}

std::optional<QString> DialogosDeConsola::openFile(const QString&, const QString&) { return std::nullopt; }

void DialogosDeConsola::showModal(QDialog&) {}
