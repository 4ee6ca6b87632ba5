#include "commandbar/CommandProperties.h"

#include "commandbar/BarModel.h"
#include "commandbar/BarPropertyBag.h"

#include <QHash>

namespace CommandProperties {

namespace {
const QString kEnabled = QStringLiteral("Enabled");
const QString kVisible = QStringLiteral("Visible");
}  // namespace

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

const QStringList& SavedNames()
{
    static const QStringList names{"Nuevo",     "Borrar",        "Reporte",  "consultar",  "Planilla", "Cancelar",
                                   "Grabar",    "Cerrar",        "Cliente",  "Pedido",     "Remito",   "Cajero",
                                   "Caja",      "UnidadNegocio", "Importar", "ProcesarIA", "Pantalla", "Impresora",
                                   "Compartir", "Ajustes",       "Cambiar",  "Change",     "Caus"};
    return names;
}

void Write(const BarModel& model, BarPropertyBag& bag)
{
    for (const QString& name : SavedNames()) {
        const QString key = *KeyOf(name);
        bag.WriteProperty(name + kEnabled, model.ItemEnabled(key));
        bag.WriteProperty(name + kVisible, model.ItemVisible(key));
    }
}

void Read(const BarPropertyBag& bag, BarModel& model)
{
    model.EnsureItems();
    for (const QString& name : SavedNames()) {
        const QString key = *KeyOf(name);
        model.SetItemEnabled(key, bag.ReadProperty(name + kEnabled, model.ItemEnabled(key)).toBool());
        model.SetItemVisible(key, bag.ReadProperty(name + kVisible, model.ItemVisible(key)).toBool());
    }
}

}  // namespace CommandProperties
