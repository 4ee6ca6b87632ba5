#include "suitesupport/QvAplicacion.h"

namespace {
QString& carpetaPrograma()
{
    static QString carpeta;
    return carpeta;
}
}  // namespace

void QvAplicacion::FijarCarpeta(const QString& carpeta) { carpetaPrograma() = carpeta; }

QString QvAplicacion::Carpeta() { return carpetaPrograma(); }
