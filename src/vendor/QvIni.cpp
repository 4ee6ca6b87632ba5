#include "vendor/QvIni.h"

#include "platform/os/PrivateProfile.h"
#include "platform/os/System.h"

#include <QFileInfo>

QString QvIni::LeerIni(const QString& archivo, const QString& seccion, const QString& clave, const QString& porDefecto)
{
    return os::readProfileString(RutaArchivo(archivo), seccion, clave, porDefecto);
}

QString QvIni::RutaArchivo(const QString& archivo)
{
    const QFileInfo info(archivo);
    if (info.isAbsolute()) return os::findFileIgnoringCase(info.absolutePath(), info.fileName());
    return os::findFileIgnoringCase(os::programFolder(), archivo);
}
