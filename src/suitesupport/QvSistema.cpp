#include "suitesupport/QvSistema.h"

#include "platform/VbText.h"
#include "platform/os/Desktop.h"
#include "platform/os/System.h"

QString QvSistema::NombreEquipo() { return os::computerName(); }

QString QvSistema::NombreUsuarioSistema() { return os::userName(); }

QString QvSistema::CarpetaTemporal() { return os::tempFolder(); }

bool QvSistema::AbrirConSistema(const QString& destino, int /*estiloVentana*/)
{
    return Service<Desktop>::get().openDocument(vb::Replace(vb::Trim(destino), "\"", ""));
}
