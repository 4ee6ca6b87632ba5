#include "commandbar/CommandProperties.h"

#include <QHash>

namespace CommandProperties {

std::optional<QString> KeyOf(const QString& name)
{
    static const QHash<QString, QString> keys{
        {"NUEVO", "NUEVO"},
        {"BORRAR", "BORRAR"},
        {"REPORTE", "REPORTE"},
        {"CONSULTA", "CONSULTAR"},
        {"CONSULTAR", "CONSULTAR"},
        {"PLANILLA", "PLANILLA"},
        {"CANCELAR", "CANCELAR"},
        {"GRABAR", "GRABAR"},
        {"CERRAR", "CERRAR"},
        {"CLIENTE", "CLIENTE"},
        {"PEDIDO", "PEDIDO"},
        {"REMITO", "REMITO"},
        {"CAJERO", "CAJERO"},
        {"CAJA", "CAJA"},
        {"UNIDADNEGOCIO", "UNIDADNEGOCIO"},
        {"IMPORTAR", "IMPORTAR"},
        {"PROCESARIA", "PROCESARIA"},
        {"PANTALLA", "PANTALLA"},
        {"IMPRESORA", "IMPRESORA"},
        {"COMPARTIR", "COMPARTIR"},
        {"AJUSTES", "AJUSTES"},
        {"CAMBIAR", "CAMBIAR"},
        {"CHANGE", "CHANGE"},
        {"CAUS", "CAUS"},
    };
    const auto found = keys.constFind(name.toUpper());
    if (found == keys.constEnd()) return std::nullopt;
    return *found;
}

}  // namespace CommandProperties
