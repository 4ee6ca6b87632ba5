#include "lookups/CatalogoConsultas.h"

#include "platform/VbText.h"

#include <QStringList>

#include <array>
#include <optional>

namespace {

bool EsUnaDe(const QString& tabla, const QStringList& nombres) { return nombres.contains(tabla, Qt::CaseInsensitive); }

bool Empieza(const QString& tabla, const QString& prefijo) { return tabla.startsWith(prefijo, Qt::CaseInsensitive); }

// The name without one final "S" of any case.
QString SinS(const QString& nombre) { return nombre.endsWith(u'S', Qt::CaseInsensitive) ? nombre.chopped(1) : nombre; }

// "ID" + the name from its character `desde` (1-based), less one final "S".
QString IdDesde(const QString& tabla, int desde) { return "ID" + SinS(vb::Mid(tabla, desde)); }

// A rule that covers a fixed list of names with fixed columns.
struct ReglaFija {
    QStringList tablas;
    ColumnasCatalogo columnas;
};

// Rules 14 to 24.
const std::array<ReglaFija, 11> kReglasNombradas{{
    {{"TA_Cpte"}, {"DESCRIPCION", "CODIGO", "DESCRIPCION"}},
    {{"V_TA_VENDEDORES"}, {"NOMBRE", "idvendedor", "NOMBRE"}},
    {{"V_MA_ARTICULOS"}, {"DESCRIPCION", "IDARTICULO", "DESCRIPCION"}},
    {{"V_MV_COTIZAR"}, {"COT_OBSERVACIONES", "IDARTICULO", "COT_OBSERVACIONES"}},
    {{"MA_ARTICULOS"}, {"DESCRIPCION", "IDARTICULO", "DESCRIPCION"}},
    {{"MA_MODELOS"}, {"NOMBRE", "NOMBRE", "NOMBRE"}},
    {{"MA_CHOFERES"}, {"APELLIDO, NOMBRES", "CODIGO", "NOMBRES"}},
    {{"MA_DESTINATARIOS"}, {"NOMBRE", "CODIGO", "NOMBRE"}},
    {{"MA_VEHICULOS"}, {"PATENTE,TIPO_VEHICULO,MODELO,TIPO", "PATENTE", "MODELO"}},
    {{"MV_EJERCICIOS"}, {"DESCRIPCION", "PERIODO", "DESCRIPCION"}},
    {{"TA_USUARIOS"}, {"NOMBRE", "NOMBRE", ""}},
}};

const QStringList kTablasVTa{"V_TA_Cajas",        "V_TA_Bancos",   "V_TA_MotivoVta",   "V_TA_MotivoCpra",
                             "V_TA_Deposito",     "V_TA_Tecnicos", "V_TA_Tareas",      "V_TA_Unidad",
                             "V_TA_TipoArticulo", "V_TA_Rubros",   "V_TA_MotivoStock", "V_TA_CPRA_VTA",
                             "V_TA_CATEGORIA",    "V_TA_DESTINO",  "V_TA_ORIGEN"};

const QStringList kTablasPersonal{
    "P_TA_NIVELESTUDIO",   "P_TA_CONOCIMIENTOS",  "P_TA_Categorizacion", "P_TA_CentroMedico", "P_TA_FormasDePago",
    "P_MA_Empresas",       "P_TA_ZONARESIDENCIA", "P_TA_ObraSocial",     "P_TA_MotivoEgreso", "P_TA_Grupos",
    "P_TA_EstadoBusqueda", "P_TA_Areas",          "P_TA_IDIOMAS",        "P_TA_TITULOs",      "P_TA_ESTADOPOSTULANTE",
    "P_TA_Parentesco",     "P_TA_EstadoCivil"};

const QStringList kTablasTa{"TA_Categoria", "TA_Deposito", "TA_MotivoStock", "TA_TipoArticulo", "TA_Rubros"};

const QStringList kProveedoresYVarios{"MA_PRO", "MA_VEN", "MA_TRA", "MA_CON", "MA_AGE"};

// Rule 8: "V_TA_" tables named by what follows the prefix.
ColumnasCatalogo ColumnasVTa(const QString& tabla)
{
    const QString descripcion = vb::SameText(tabla, "V_TA_Tecnicos") ? "NOMBRE" : "DESCRIPCION";
    if (vb::SameText(tabla, "V_TA_CPRA_VTA")) return {descripcion, "IDCOND_CPRA_VTA", ""};
    if (vb::SameText(tabla, "V_TA_TipoArticulo")) return {descripcion, "IDTIPO", ""};
    if (vb::SameText(tabla, "V_TA_Cajas")) return {descripcion, "IDCajas", ""};
    return {descripcion, IdDesde(tabla, 6), ""};
}

// Rule 9: the personnel tables, named from their sixth character.
ColumnasCatalogo ColumnasPersonal(const QString& tabla)
{
    if (vb::SameText(tabla, "P_MA_Empresas")) return {"NombreEmpresa", IdDesde(tabla, 6), ""};
    if (vb::SameText(tabla, "P_TA_Areas")) return {"Descripcion", "ID" + vb::Mid(tabla, 6), ""};
    return {"Descripcion", IdDesde(tabla, 6), ""};
}

// Rule 12: "TA_" tables named by what follows the prefix.
ColumnasCatalogo ColumnasTa(const QString& tabla)
{
    if (vb::SameText(tabla, "TA_TipoArticulo")) return {"DESCRIPCION", "IDTIPO", ""};
    return {"DESCRIPCION", IdDesde(tabla, 4), ""};
}

std::optional<ColumnasCatalogo> DeReglaFija(const QString& tabla, const auto& reglas)
{
    for (const ReglaFija& regla : reglas) {
        if (EsUnaDe(tabla, regla.tablas)) return regla.columnas;
    }
    return std::nullopt;
}

// Rules 25 to 30: the tables known by their prefix alone.
std::optional<ColumnasCatalogo> PorPrefijo(const QString& tabla)
{
    const QString seis = vb::Left(tabla, 6).toUpper();
    if (Empieza(tabla, "TA_")) return ColumnasCatalogo{"DESCRIPCION", "CODIGO", "DESCRIPCION"};
    if (Empieza(tabla, "MA_")) {
        if (kProveedoresYVarios.contains(seis)) return ColumnasCatalogo{"Razon_Social", "Codigo", "Razon_Social"};
        if (seis == "MA_CLI") return ColumnasCatalogo{"Razon_Social", "Codigo", "Codigo_sucursal"};
        return ColumnasCatalogo{"Descripcion", "Codigo", "Descripcion"};
    }
    if (seis == "[MA_CA") return ColumnasCatalogo{"nombre", "Codigo", "nombre"};
    if (seis == "MV_PRO") return ColumnasCatalogo{"ASUNTO", "ID", "ASUNTO"};
    return std::nullopt;
}

// Rules 1 to 30 in their order; `Tabla` changes under rule 2.
std::optional<ColumnasCatalogo> PorReglas(QString& tabla)
{
    if (EsUnaDe(tabla, {"vt_proveedores", "vt_clientes"})) return ColumnasCatalogo{"Razon_Social", "Codigo", ""};
    if (EsUnaDe(tabla, {"TA_COMPROBANTES", "V_TA_Cpte"})) {
        tabla = "VT_TA_Cpte";
        return ColumnasCatalogo{"Descripcion", "Codigo", ""};
    }
    static const std::array<ReglaFija, 5> kSinExtra{{
        {{"V_TA_PERCEPCION"}, {"DESCRIPCION", "IDPERCEPCION", ""}},
        {{"V_TA_RETENCIONES"}, {"DESCRIPCION", "IDRETENCION", ""}},
        {{"V_TA_UNIDADNEGOCIO"}, {"DESCRIPCION", "CODIGO", ""}},
        {{"V_ta_PoliticaPrecios"}, {"Descripcion", "codigo", ""}},
        {{"V_TA_CATEGORIAARTICULO"}, {"DESCRIPCION", "idcategoria", ""}},
    }};
    if (auto columnas = DeReglaFija(tabla, kSinExtra)) return columnas;
    if (EsUnaDe(tabla, kTablasVTa)) return ColumnasVTa(tabla);
    if (EsUnaDe(tabla, kTablasPersonal)) return ColumnasPersonal(tabla);
    if (vb::SameText(tabla, "P_SINDICATOS")) return ColumnasCatalogo{"Descripcion", "IdSindicato", ""};
    if (vb::SameText(tabla, "P_TA_Funciones")) return ColumnasCatalogo{"DESCRIPCION", "ID" + vb::Mid(tabla, 6), ""};
    if (EsUnaDe(tabla, kTablasTa)) return ColumnasTa(tabla);
    if (vb::SameText(tabla, "P_MA_Clientes")) return ColumnasCatalogo{"RAZON_SOCIAL", "IDCLIENTE", ""};
    if (auto columnas = DeReglaFija(tabla, kReglasNombradas)) return columnas;
    return PorPrefijo(tabla);
}

}  // namespace

void ResolverCatalogo(QString& Tabla, ColumnasCatalogo& columnas)
{
    if (std::optional<ColumnasCatalogo> regla = PorReglas(Tabla)) columnas = *regla;
    if (vb::SameText(Tabla, "ta_codigospostales")) columnas = {"LOCALIDAD", "cp", "LOCALIDAD"};
}
