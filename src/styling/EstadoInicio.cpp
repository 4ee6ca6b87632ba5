#include "styling/EstadoInicio.h"

#include "platform/VbText.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

namespace {

void mostrarEnSplash(QWidget& ventana, const QString& texto)
{
    ventana.setWindowTitle("QURO GESTION - " + texto);
    if (auto* version = ventana.findChild<QLabel*>("lblVersion")) {
        version->setText(texto);
        version->setVisible(true);
        version->repaint();
    }
    ventana.repaint();
}

void mostrarEnMenu(QWidget& ventana, const QString& texto)
{
    if (auto* botonera = ventana.findChild<QLabel*>("LblDescBotonera")) {
        botonera->setText(texto);
        botonera->repaint();
    }
}

}  // namespace

void MostrarEstadoInicio(const QString& Texto, bool HacerEventos)
{
    QString texto = vb::Trim(Texto);
    if (texto.isEmpty()) texto = "...";
    for (QWidget* ventana : QApplication::topLevelWidgets()) {
        const QString nombre = ventana->objectName().toLower();
        if (nombre == "frmsplash")
            mostrarEnSplash(*ventana, texto);
        else if (nombre == "frmmdi")
            mostrarEnMenu(*ventana, texto);
    }
    if (HacerEventos) QCoreApplication::processEvents();
}
