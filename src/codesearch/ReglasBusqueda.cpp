#include "codesearch/ReglasBusqueda.h"

#include "codesearch/SentenciasBusqueda.h"
#include "platform/VbText.h"

#include <QStringList>

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <vector>

namespace ReglasBusqueda {

namespace {

constexpr char kTablaArticulos[] = "V_MA_ARTICULOS";
constexpr char kTablaMantenimientos[] = "V_MA_MANTENIMIENTOS";

template <typename Nombres>
bool esAlguna(const QString& tabla, const Nombres& nombres)
{
    return std::ranges::any_of(nombres, [&](const char* nombre) { return vb::SameText(tabla, nombre); });
}

bool es(const QString& tabla, std::initializer_list<const char*> nombres) { return esAlguna(tabla, nombres); }

bool empieza(const QString& tabla, const char* prefijo)
{
    return tabla.startsWith(QLatin1String(prefijo), Qt::CaseInsensitive);
}

void columnas(ConfiguracionBusqueda& config, const QString& codigo, const QString& descripcion)
{
    config.campoCodigo = codigo;
    config.campoDescripcion = descripcion;
}

QString sinEseFinal(QString nombre)
{
    if (nombre.endsWith(u'S', Qt::CaseInsensitive)) nombre.chop(1);
    return nombre;
}

// "ID" + the name after its prefix, without a final "S".
QString columnaId(const QString& tabla, const char* prefijo)
{
    return "ID" + sinEseFinal(tabla.mid(static_cast<qsizetype>(qstrlen(prefijo))));
}

// The personnel tables: "ID" + the name from its sixth character.
constexpr qsizetype kInicioNombrePersonal = 5;

using Regla = std::function<bool(const QString& tabla, ConfiguracionBusqueda& config)>;

// Rules for names given in full, in the order they are tried.
struct ReglaExacta {
    std::vector<const char*> nombres;
    Regla aplicar;
};

bool tablasConId(const QString& tabla, ConfiguracionBusqueda& config)
{
    if (es(tabla, {"V_TA_CPRA_VTA"}))
        config.campoCodigo = "IDCOND_CPRA_VTA";
    else if (es(tabla, {"V_TA_TipoArticulo"}))
        config.campoCodigo = "IDTIPO";
    else if (es(tabla, {"V_TA_Cajas"}))
        config.campoCodigo = "IDCajas";
    else
        config.campoCodigo = columnaId(tabla, "V_TA_");
    config.campoDescripcion = es(tabla, {"V_TA_Tecnicos"}) ? "NOMBRE" : "DESCRIPCION";
    return true;
}

bool tablasDePersonal(const QString& tabla, ConfiguracionBusqueda& config)
{
    const QString nombre = tabla.mid(kInicioNombrePersonal);
    config.campoCodigo = "ID" + (es(tabla, {"P_TA_Areas"}) ? nombre : sinEseFinal(nombre));
    config.campoDescripcion = es(tabla, {"P_MA_Empresas"}) ? "NombreEmpresa" : "Descripcion";
    return true;
}

Regla fijas(const char* codigo, const char* descripcion)
{
    return [=](const QString&, ConfiguracionBusqueda& config) {
        columnas(config, codigo, descripcion);
        return true;
    };
}

Regla conId(const char* prefijo, const char* descripcion)
{
    return [=](const QString& tabla, ConfiguracionBusqueda& config) {
        columnas(config, columnaId(tabla, prefijo), descripcion);
        return true;
    };
}

// A rule that also changes the table searched.
Regla fijasEnTabla(const char* codigo, const char* descripcion, const char* tablaBuscada)
{
    return [=](const QString&, ConfiguracionBusqueda& config) {
        columnas(config, codigo, descripcion);
        config.tabla = tablaBuscada;
        return true;
    };
}

// Customer codes of the telephone search come from the customers and from
// the documents of the account; built when the rules run.
bool busquedaPorTelefono(const QString& cuenta, ConfiguracionBusqueda& config)
{
    columnas(config, "CODIGO", "TELEFONO");
    config.tabla = SentenciasBusqueda::TablaTelefonos(cuenta);
    return true;
}

const std::vector<ReglaExacta>& reglasExactas()
{
    static const std::vector<ReglaExacta> reglas{
        {{"vt_clientes", "vt_proveedores"}, fijas("Codigo", "Razon_Social")},
        {{"V_TA_PERCEPCION"}, fijas("IDPERCEPCION", "DESCRIPCION")},
        {{"V_TA_RETENCIONES"}, fijas("IDRETENCION", "DESCRIPCION")},
        {{"V_TA_UNIDADNEGOCIO"}, fijas("CODIGO", "DESCRIPCION")},
        {{"V_ta_PoliticaPrecios"}, fijas("codigo", "Descripcion")},
        {{"V_TA_CATEGORIAARTICULO"}, fijas("idcategoria", "DESCRIPCION")},
        {{"V_TA_ORIGEN", "V_TA_DESTINO", "V_TA_CATEGORIA", "V_TA_CPRA_VTA", "V_TA_MotivoStock", "V_TA_Rubros",
          "V_TA_TipoArticulo", "V_TA_Unidad", "V_TA_Tareas", "V_TA_Tecnicos", "V_TA_Deposito", "V_TA_MotivoCpra",
          "V_TA_MotivoVta", "V_TA_Bancos", "V_TA_Cajas"},
         tablasConId},
        {{"P_TA_EstadoCivil", "P_TA_Parentesco", "P_TA_ESTADOPOSTULANTE", "P_TA_TITULOs", "P_TA_IDIOMAS", "P_TA_Areas",
          "P_TA_EstadoBusqueda", "P_TA_Grupos", "P_TA_MotivoEgreso", "P_TA_ObraSocial", "P_TA_ZONARESIDENCIA",
          "P_MA_Empresas", "P_TA_FormasDePago", "P_TA_CentroMedico", "P_TA_Categorizacion", "P_TA_CONOCIMIENTOS",
          "P_TA_NIVELESTUDIO"},
         tablasDePersonal},
        {{"P_SINDICATOS"}, fijas("IdSindicato", "Descripcion")},
        {{"P_TA_Funciones"},
         [](const QString& tabla, ConfiguracionBusqueda& config) {
             columnas(config, "ID" + tabla.mid(kInicioNombrePersonal), "DESCRIPCION");
             return true;
         }},
        {{"TA_TipoArticulo"}, fijas("IDTIPO", "DESCRIPCION")},
        {{"TA_Rubros", "TA_MotivoStock", "TA_Deposito", "TA_Categoria"}, conId("TA_", "DESCRIPCION")},
        {{"P_MA_Clientes"}, fijas("IDCLIENTE", "RAZON_SOCIAL")},
        {{"TA_Cpte"}, fijas("CODIGO", "DESCRIPCION")},
        {{kTablaMantenimientos}, fijas("CODIGO", "DESCRIPCION")},
        {{"V_TA_VENDEDORES"}, fijas("idvendedor", "NOMBRE")},
        {{kTablaArticulos}, conId("V_MA_", "DESCRIPCION")},
        {{"V_MV_COTIZAR"}, fijas("IDARTICULO", "COT_OBSERVACIONES")},
        {{"MA_ARTICULOS"}, conId("MA_", "DESCRIPCION")},
        {{"MA_MODELOS"}, fijas("NOMBRE", "NOMBRE")},
        {{"MA_CHOFERES"}, fijas("CODIGO", "APELLIDO")},
        {{"MA_DESTINATARIOS"}, fijas("CODIGO", "NOMBRE")},
        {{"MA_VEHICULOS"}, fijas("PATENTE", "PATENTE,TIPO_VEHICULO,MARCA,MODELO,TIPO")},
        {{"MV_EJERCICIOS"}, fijas("PERIODO", "DESCRIPCION")},
        {{"TA_USUARIOS"}, fijas("NOMBRE", "NOMBRE")},
        {{"MA_CUENTAS_CAJAYBANCO"}, fijas("CodigoOpcional", "DESCRIPCION")},
        {{"SERIE", "MPAGO"}, fijasEnTabla("CodigoOpcional", "DESCRIPCION", "VT_MP_PAGOS")},
        {{"TC"}, fijasEnTabla("CODIGO", "DESCRIPCION", "TA_COMPROBANTES")},
        {{"V_TA_MOTIVOS"}, fijas("CODIGO", "DESCRIPCION")},
        {{"FECHA"},
         [](const QString&, ConfiguracionBusqueda& config) {
             config.calendario = true;
             return true;
         }},
    };
    return reglas;
}

// The tables of the generic rules: any "TA_" table (also after a prefix of
// four characters, as in "FIS_TA_..."), any "MA_" table, and the "[MA" and
// "MV_" names, of which only some change the columns.
bool reglaPorPrefijo(const QString& tabla, ConfiguracionBusqueda& config)
{
    if (empieza(tabla, "TA_") || vb::SameText(tabla.mid(4, 3), "TA_")) {
        columnas(config, "CODIGO", "DESCRIPCION");
        if (empieza(config.tabla, "FIS_")) config.tabla.remove(0, 4);
        if (vb::SameText(config.tabla, "TA_COMPROBANTES_1")) config.tabla = "TA_COMPROBANTES";
        return true;
    }
    if (empieza(tabla, "MA_")) {
        const auto prefijos = {"MA_PRO", "MA_VEN", "MA_TRA", "MA_CON", "MA_AGE", "MA_CLI"};
        const bool razonSocial = std::ranges::any_of(prefijos, [&](const char* p) { return empieza(tabla, p); });
        columnas(config, "CODIGO", razonSocial ? "RAZON_SOCIAL" : "DESCRIPCION");
        return true;
    }
    if (empieza(tabla, "[MA")) {
        if (empieza(tabla, "[MA_CA")) columnas(config, "CODIGO", "nombre");
        return true;
    }
    if (empieza(tabla, "MV_")) {
        if (empieza(tabla, "MV_PRO")) columnas(config, "ID", "ASUNTO");
        return true;
    }
    return false;
}

}  // namespace

bool ElegirColumnas(const QString& tabla, QString& tablaLlamador, const QString& cuenta, ConfiguracionBusqueda& config)
{
    const QString nombre = vb::Trim(tabla);
    config.tabla = nombre;
    config.calendario = false;
    if (es(nombre, {"VT_CLIENTES_TEL"})) return busquedaPorTelefono(cuenta, config);
    if (es(nombre, {"V_TA_Cpte", "TA_COMPROBANTES"})) {
        columnas(config, "Codigo", "Descripcion");
        tablaLlamador = "VT_TA_Cpte";
        return true;
    }
    for (const ReglaExacta& regla : reglasExactas()) {
        if (esAlguna(nombre, regla.nombres)) return regla.aplicar(nombre, config);
    }
    return reglaPorPrefijo(nombre, config);
}

void AgregarCondicion(ConfiguracionBusqueda& config)
{
    config.condicionExtra.clear();
    const QString& tabla = config.tabla;
    if (es(tabla, {"MA_CUENTAS_CAJAYBANCO"})) {
        config.tabla = "MA_CUENTAS";
        config.condicionExtra = "and (MEDIODEPAGO='' or MEDIODEPAGO IS NULL) and titulo = 0 AND CAJAYBANCO = 1";
    } else if (es(tabla, {"MA_CUENTAS"})) {
        config.condicionExtra = " and Dada_De_Baja = 0 ";
    } else if (es(tabla, {"MA_CUENTAS/SOLOIMPUTABLES"})) {
        config.tabla = "MA_CUENTAS";
        config.condicionExtra =
            " and (TIPOVISTA IS NULL OR TIPOVISTA = '') AND (MEDIODEPAGO IS NULL OR MEDIODEPAGO = '' OR MEDIODEPAGO = "
            "'RI' OR MEDIODEPAGO = 'RG' OR MEDIODEPAGO = 'RB')  AND TITULO = 0 AND Dada_De_Baja = 0 ";
    } else if (RestringeVendedor(config)) {
        config.condicionExtra = "and Dada_De_Baja = 0";
    } else if (es(tabla, {kTablaArticulos, "VT_MA_ARTICULOS"})) {
        config.condicionExtra = "and SUSPENDIDO = 0";
    } else if (es(tabla, {"MA_CONTACTOS"})) {
        columnas(config, "IdContacto", "Nombre_y_Apellido");
    } else if (es(tabla, {"V_TA_FAMILIAS"})) {
        columnas(config, "IDFAMILIA", "DESCRIPCION");
    }
}

bool RestringeVendedor(const ConfiguracionBusqueda& config)
{
    return es(config.tabla, {"VT_PROVEEDORES", "VT_CLIENTES"});
}

bool EsTablaArticulos(const QString& tabla) { return vb::SameText(vb::Trim(tabla), kTablaArticulos); }

bool EsTablaMantenimientos(const QString& tabla) { return vb::SameText(vb::Trim(tabla), kTablaMantenimientos); }

QString TareaDeAlta(const QString& tabla)
{
    static const QStringList tablasGenerales{
        "TA_ESTADOS",       "TA_CCOSTO",        "TA_CLASIFICACIONES", "TA_TIPOVEHICULO", "TA_MARCAVEHICULO",
        "TA_PAISES",        "TA_TIPICOS",       "TA_TIPODOCUMENTO",   "V_TA_Bancos",     "V_Ta_Cajas",
        "V_TA_Categoria",   "V_TA_Cpra_Vta",    "V_TA_DEPOSITO",      "V_TA_DESTINO",    "V_TA_MotivoCpra",
        "V_TA_MotivoStock", "V_TA_MotivoVta",   "V_TA_Origen",        "V_TA_Rubros",     "V_TA_STATUS",
        "V_TA_Tecnicos",    "V_TA_TIPOACEITES", "V_TA_TipoArticulo",  "V_TA_Unidad",     "V_TA_UnidadNegocio",
    };
    if (tablasGenerales.contains(tabla, Qt::CaseInsensitive)) return "D010301";
    if (EsTablaMantenimientos(tabla)) return "D010180";
    if (es(tabla, {"V_TA_VENDEDORES"})) return "D010160";
    return {};
}

QString NombreParaOperador(const QString& tabla)
{
    for (const char* prefijo : {"v_ta_", "v_ma_", "ta_", "ma_"}) {
        if (empieza(tabla, prefijo)) return tabla.mid(static_cast<qsizetype>(qstrlen(prefijo)));
    }
    return tabla;
}

}  // namespace ReglasBusqueda
