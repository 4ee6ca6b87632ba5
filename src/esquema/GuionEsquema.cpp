#include "esquema/GuionEsquema.h"

#include <QFile>

QString GuionEsquema(const QString& nombre, const QString& motor)
{
    QFile archivo(":/sql/" + motor + "/" + nombre);
    if (!archivo.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(archivo.readAll());
}
