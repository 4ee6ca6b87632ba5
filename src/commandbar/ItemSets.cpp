#include "commandbar/ItemSets.h"

#include "platform/VbText.h"

#include <QStringList>

namespace ItemSets {

namespace {
const Definition kPantalla{"PANTALLA", "Pantalla", "Enviar a pantalla"};
const Definition kImpresora{"IMPRESORA", "Impresora", "Imprimir"};
const Definition kConsultar{"CONSULTAR", "Consultar", "Consultar"};
const Definition kCompartir{"COMPARTIR", "Compartir", "Compartir"};
const Definition kCerrar{"CERRAR", "Cerrar", "Cerrar formulario"};
}  // namespace

const QList<Definition>& DefaultItems()
{
    static const QList<Definition> items{
        {"NUEVO", "Nuevo", "Crear nuevo"},
        {"BORRAR", "Borrar", "Borrar actual"},
        {"REPORTE", "Reporte", "Abrir reportes / impresiones"},
        kConsultar,
        {"PLANILLA", "Planilla", "Abrir planilla"},
        {"CANCELAR", "Cancelar", "Cancelar edicion en curso"},
        {"GRABAR", "Grabar", "Grabar cambios"},
        kCerrar,
        {"CLIENTE", "Cliente", "Seleccionar cliente"},
        {"PEDIDO", "Pedido", "Facturar desde pedido"},
        {"REMITO", "Remito", "Facturar desde remito"},
        {"CAJERO", "Caja", "Opciones de caja"},
        {"UNIDADNEGOCIO", "Unidad de Negocio", "Unidad de negocio"},
        {"IMPORTAR", "Importar", "Importar datos"},
        {"PROCESARIA", "Procesar con I.A.", "Procesar con inteligencia artificial"},
        kPantalla,
        kImpresora,
        kCompartir,
        {"AJUSTES", "Ajustes", "Ajustes"},
    };
    return items;
}

const QList<Definition>& ReportItems()
{
    static const QList<Definition> items{kPantalla, kImpresora, kConsultar, kCompartir, kCerrar};
    return items;
}

const QList<Definition>& SampleItems()
{
    static const QList<Definition> items{
        {"FILES", "Files", "Explorador"}, {"SEARCH", "Search", "Busqueda"}, {"GIT", "Source", "Control de codigo"},
        {"RUN", "Run", "Run y debug"},    {"EXT", "Ext", "Extensiones"},    {"AI", "AI", "Asistente"},
    };
    return items;
}

bool IsStandardKey(const QString& key)
{
    static const QStringList standard{"NUEVO", "BORRAR", "REPORTE", "CONSULTAR", "CANCELAR", "GRABAR", "CERRAR"};
    return standard.contains(vb::Trim(key).toUpper());
}

}  // namespace ItemSets
