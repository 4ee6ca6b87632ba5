#include "app/DialogosDeConsola.h"

#include "session/OpcionesPrograma.h"

#include <QDialog>
#include <QRegularExpression>

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

void DialogosDeConsola::showModal(QDialog& window) { escribir(window.windowTitle(), "no se abre sin pantalla."); }

void DialogosDeConsola::escribir(const QString& titulo, const QString& texto)
{
    const QString linea = UnaLinea(texto);
    AvisarEnConsola(titulo.trimmed().isEmpty() ? linea : titulo.trimmed() + ": " + linea);
    ++escritos_;
}

QString UnaLinea(const QString& texto)
{
    static const QRegularExpression saltos(QStringLiteral("\r\n|\n|\r"));
    QStringList primerParrafo;
    for (const QString& linea : texto.split(saltos)) {
        const QString recortada = linea.trimmed();
        if (recortada.isEmpty() && !primerParrafo.isEmpty()) break;
        if (!recortada.isEmpty()) primerParrafo.append(recortada);
    }
    return primerParrafo.join("; ");
}
