#include "vendor/ConexionesPropias.h"

#include "platform/db/Connection.h"
#include "platform/os/System.h"

#include <QHash>

#include <memory>

db::Connection& conexionPropia(const QString& cadena)
{
    static QHash<QString, std::shared_ptr<db::Connection>> conexiones;
    std::shared_ptr<db::Connection>& conexion = conexiones[os::programFolder() + '|' + cadena];
    if (!conexion) conexion = std::make_shared<db::Connection>();
    if (conexion->State() != db::ado::adStateOpen) conexion->Open(cadena);
    return *conexion;
}
