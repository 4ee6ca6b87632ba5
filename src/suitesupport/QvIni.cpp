#include "suitesupport/QvIni.h"

#include "platform/ErrorVB.h"
#include "platform/VbText.h"
#include "platform/os/PrivateProfile.h"
#include "platform/os/System.h"
#include "platform/ui/Dialogs.h"

#include <QFileInfo>

#include <cmath>

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

double QvIni::LeerNumeroIni(const QString& archivo, const QString& seccion, const QString& clave,
                            const QString& porDefecto, double maximo)
{
    const QString valor = LeerIni(archivo, seccion, clave, porDefecto);
    try {
        const double numero = vb::Val(valor);
        if (std::abs(numero) <= maximo) return numero;
    } catch (const ErrorVB&) {
        // Too large for a number: reported below like one out of range.
    }
    MsgBox("El valor \"" + valor + "\" de la clave " + clave + " (sección [" + seccion + "] de " + archivo
               + ") no es un número válido. Se usa " + porDefecto + ".",
           vb::vbExclamation, "Aviso al operador...");
    return vb::Val(porDefecto);
}
