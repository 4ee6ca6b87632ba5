#include "session/AparienciaVentanas.h"

#include "platform/VbText.h"
#include "session/Sesion.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
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

}  // namespace

QIcon IconoPrograma() { return QIcon(QFile::exists(kIconoPrograma) ? kIconoPrograma : kIconoSuelto); }

void AsignarIconoPrograma() { QApplication::setWindowIcon(IconoPrograma()); }

void AsignarIconoFormulario(QWidget& Formulario)
{
    Formulario.setWindowIcon(IconoPrograma());
    if (vb::SameText(Formulario.metaObject()->className(), kVentanaMenu)) return;
    asignarEstiloBarras(Formulario);
    QCoreApplication::processEvents();
}
