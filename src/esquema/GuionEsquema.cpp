#include "esquema/GuionEsquema.h"

#include <QFile>

QString GuionEsquema(const QString& nombre)
{
    QFile archivo(":/sql/sqlite/" + nombre);
    if (!archivo.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(archivo.readAll());
}
