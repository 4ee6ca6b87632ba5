#include "suitesupport/ConexionesPropias.h"

#include "platform/db/Connection.h"
#include "platform/db/ErrorMap.h"
#include "platform/os/System.h"

#include <QHash>

#include <memory>

void usarConexionPropia(const QString& cadena, const std::function<void(db::Connection&)>& uso)
{
    static QHash<QString, std::shared_ptr<db::Connection>> conexiones;
    std::shared_ptr<db::Connection>& guardada = conexiones[os::programFolder() + '|' + cadena];
    if (!guardada) guardada = std::make_shared<db::Connection>();
    const std::shared_ptr<db::Connection> conexion = guardada;
    // A failed open leaves it closed, to be opened by the next use.
    if (conexion->State() != db::ado::adStateOpen) conexion->Open(cadena);
    try {
        uso(*conexion);
    } catch (const ErrorVB& error) {
        if (!db::ErrorMap::linkLost(error, conexion->errors())) throw;
        conexion->Close();
        conexion->Open(cadena);
        uso(*conexion);
    }
}
