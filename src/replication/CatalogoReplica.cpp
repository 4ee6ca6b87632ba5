#include "replication/CatalogoReplica.h"

#include "platform/VbText.h"

#include <QHash>

#include <array>

namespace {

constexpr char kMarcaAdmin[] = "@admin_";
// Tables of the suite's small code lists are keyed by their code.
constexpr char kPrefijoTablasDeCodigos[] = "V_TA_";
constexpr char kCampoCodigo[] = "CODIGO";

const QHash<QString, QStringList>& clavesPorTabla()
{
    static const QHash<QString, QStringList> claves{
        {"S_TA_EQUIV", {"IDARTICULO", "IDUNIDAD", "IDUNIDAD_EQUIV"}},
        {"V_MA_ARTICULOS", {"IDARTICULO"}},
        {"V_TA_UNIDAD", {"IDUNIDAD"}},
    };
    return claves;
}

const std::array<GrupoTablasTPV, 5>& grupos()
{
    static const std::array<GrupoTablasTPV, 5> lista{{
        {"OL_ExceptoArticulos", {"PEND_ARTICULOS"}, {"V_MA_ARTICULOS", "V_MA_INSUMOS", "S_TA_EQUIV", "V_MA_ARTCATREL"}},
        {"OL_ExceptoPrecios", {"PEND_PRECIOS"}, {"V_MA_PRECIOS", "V_MA_PRECIOSCAB", "V_MA_Precios_Borrador"}},
        {"OL_ExceptoCuentas",
         {"PEND_CLIENTES", "PEND_PROVEEDORES"},
         {"MA_CUENTAS", "VT_CLIENTES", "VT_PROVEEDORES", "MA_CUENTASADIC", "MA_CLAVEPIN"}},
        {"OL_ExceptoTablas",
         {"PEND_TABLAS"},
         {"TA_CCOSTO",          "TA_CONDIVA",     "TA_CUENTASIVA",    "TA_ESTADOS",         "TA_MONEDAS",
          "TA_PAISES",          "TA_TAREAS",      "TA_TIPODOCUMENTO", "TA_TIPOVEHICULO",    "TA_USUARIOS",
          "V_TA_BANCOS",        "V_TA_CAJAS",     "V_TA_CATEGORIA",   "V_TA_COLORES",       "V_TA_CPRA_VTA",
          "V_TA_CPRA_VTADIAS",  "V_TA_DEPOSITO",  "V_TA_FAMILIAS",    "V_TA_INPUT_COMPRAS", "V_TA_INPUT_VENTAS",
          "V_TA_MOTIVOCPRA",    "V_TA_MOTIVOVTA", "V_TA_MOTIVOSTOCK", "V_TA_PERCEPCION",    "V_TA_ORIGEN",
          "V_TA_RUBROS",        "V_TA_STATUS",    "V_TA_TAREAS",      "V_TA_TECNICOS",      "V_TA_UNIDAD",
          "V_TA_UNIDADNEGOCIO", "V_TA_VENDEDORES"}},
        {{}, {"PEND_TABLAS"}, {"TA_CONFIGURACION"}},
    }};
    return lista;
}

}  // namespace

QString TablaSinMarcaAdmin(const QString& Tabla) { return vb::ReplaceText(Tabla, kMarcaAdmin, ""); }

QStringList CamposClave(const QString& Tabla)
{
    const QString tabla = vb::Trim(TablaSinMarcaAdmin(Tabla)).toUpper();
    if (const auto claves = clavesPorTabla().find(tabla); claves != clavesPorTabla().end()) return *claves;
    if (tabla.startsWith(kPrefijoTablasDeCodigos)) return {kCampoCodigo};
    return {};
}

std::optional<GrupoTablasTPV> GrupoDeTablasTPV(const QString& Tabla)
{
    const QString tabla = vb::Trim(TablaSinMarcaAdmin(Tabla));
    for (const GrupoTablasTPV& grupo : grupos()) {
        if (grupo.tablas.contains(tabla, Qt::CaseInsensitive)) return grupo;
    }
    return std::nullopt;
}

QStringList TablasConMarcaPendiente(const QString& columna)
{
    QStringList tablas;
    for (const GrupoTablasTPV& grupo : grupos()) {
        if (grupo.columnasPendientes.contains(columna, Qt::CaseInsensitive)) tablas.append(grupo.tablas);
    }
    return tablas;
}

QStringList ColumnasDeExclusion()
{
    QStringList columnas;
    for (const GrupoTablasTPV& grupo : grupos()) {
        if (!grupo.columnaExclusion.isEmpty()) columnas.append(grupo.columnaExclusion);
    }
    return columnas;
}
