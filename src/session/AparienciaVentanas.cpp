#include "session/AparienciaVentanas.h"

#include "platform/VbText.h"
#include "session/Sesion.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QLabel>
#include <QWidget>

namespace {

constexpr char kIconoPrograma[] = ":/iconos/VEZAZUDAREV.svg";
constexpr char kIconoSuelto[] = "veltrix.ico";
constexpr char kVentanaMenu[] = "FRMMDI";
constexpr char kPropiedadEstilo[] = "StyleBar";

// A window's controls found by name, as the suite's code names them.
template <typename Control>
Control* control(QWidget& ventana, const char* nombre)
{
    return ventana.findChild<Control*>(QString::fromLatin1(nombre), Qt::FindChildrenRecursively);
}

void asignarEstiloBarras(QWidget& ventana)
{
    for (const char* nombre : {"UtilVex1", "TBarRep1", "Util0011"}) {
        QWidget* barra = control<QWidget>(ventana, nombre);
        if (barra && barra->metaObject()->indexOfProperty(kPropiedadEstilo) >= 0) {
            barra->setProperty(kPropiedadEstilo, gSesion().gFlatToolbars);
        }
    }
}

void mostrarEnSplash(QWidget& ventana, const QString& texto)
{
    ventana.setWindowTitle("QURO GESTION - " + texto);
    if (auto* version = control<QLabel>(ventana, "lblVersion")) {
        version->setText(texto);
        version->setVisible(true);
        version->repaint();
    }
    ventana.repaint();
}

void mostrarEnMenu(QWidget& ventana, const QString& texto)
{
    if (auto* botonera = control<QLabel>(ventana, "LblDescBotonera")) {
        botonera->setText(texto);
        botonera->repaint();
    }
}

}  // namespace

void AsignarIconoFormulario(QWidget& Formulario)
{
    Formulario.setWindowIcon(QIcon(QFile::exists(kIconoPrograma) ? kIconoPrograma : kIconoSuelto));
    if (vb::SameText(Formulario.metaObject()->className(), kVentanaMenu)) return;
    asignarEstiloBarras(Formulario);
    QCoreApplication::processEvents();
}

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
