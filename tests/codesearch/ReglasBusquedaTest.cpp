#include "codesearch/ReglasBusqueda.h"
#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

// Which columns of which table the code search box searches, for the table a host names.

namespace {

struct Eleccion {
    bool disponible;
    QString tabla;
    QString codigo;
    QString descripcion;
};

// The rules for `tabla` on a set-up that searched "ANTERIOR" before.
Eleccion elegir(const QString& tabla, QString* llamador = nullptr)
{
    ConfiguracionBusqueda config{"ANTERIOR", "COD_ANTERIOR", "DESC_ANTERIOR", {}, 4, false};
    QString propia = tabla;
    const bool disponible = ReglasBusqueda::ElegirColumnas(tabla, llamador ? *llamador : propia, {}, config);
    return {disponible, config.tabla, config.campoCodigo, config.campoDescripcion};
}

void esperar(const QString& tabla, const QString& codigo, const QString& descripcion)
{
    const Eleccion e = elegir(tabla);
    EXPECT_TRUE(e.disponible) << tabla.toStdString();
    EXPECT_EQ(e.codigo, codigo) << tabla.toStdString();
    EXPECT_EQ(e.descripcion, descripcion) << tabla.toStdString();
}

}  // namespace

TEST(ReglasBusqueda, CodeColumnsFollowTheTablesName)
{
    esperar("V_TA_Rubros", "IDRubro", "DESCRIPCION");
    esperar(" v_ta_unidad ", "IDunidad", "DESCRIPCION");
    esperar("V_TA_Tecnicos", "IDTecnico", "NOMBRE");
    esperar("V_TA_CPRA_VTA", "IDCOND_CPRA_VTA", "DESCRIPCION");
    esperar("V_TA_TipoArticulo", "IDTIPO", "DESCRIPCION");
    esperar("V_TA_Cajas", "IDCajas", "DESCRIPCION");
    esperar("TA_Rubros", "IDRubro", "DESCRIPCION");
    esperar("TA_TipoArticulo", "IDTIPO", "DESCRIPCION");
    esperar("V_MA_ARTICULOS", "IDARTICULO", "DESCRIPCION");
    esperar("MA_ARTICULOS", "IDARTICULO", "DESCRIPCION");
}

TEST(ReglasBusqueda, PersonnelTablesTakeTheNameFromItsSixthCharacter)
{
    esperar("P_TA_Areas", "IDAreas", "Descripcion");
    esperar("P_TA_TITULOs", "IDTITULO", "Descripcion");
    esperar("P_MA_Empresas", "IDEmpresa", "NombreEmpresa");
    esperar("P_TA_Funciones", "IDFunciones", "DESCRIPCION");
    esperar("P_SINDICATOS", "IdSindicato", "Descripcion");
}

TEST(ReglasBusqueda, GenericRulesCoverTheOtherTaMaAndMvTables)
{
    esperar("TA_PAISES", "CODIGO", "DESCRIPCION");
    esperar("MA_PROVEEDORES_X", "CODIGO", "RAZON_SOCIAL");
    esperar("MA_BANCOS", "CODIGO", "DESCRIPCION");
    esperar("MA_CUENTAS_CAJAYBANCO", "CodigoOpcional", "DESCRIPCION");
    esperar("[MA_CAMIONES]", "CODIGO", "nombre");
    esperar("MV_PROYECTOS", "ID", "ASUNTO");
    // Other "[MA" and "MV_" names keep the columns of the set-up before.
    esperar("[MA_OTRA]", "COD_ANTERIOR", "DESC_ANTERIOR");
    esperar("MV_OTRO", "COD_ANTERIOR", "DESC_ANTERIOR");
    EXPECT_EQ(elegir("FIS_TA_ZONAS").tabla, "TA_ZONAS");
    EXPECT_EQ(elegir("TA_COMPROBANTES_1").tabla, "TA_COMPROBANTES");
}

TEST(ReglasBusqueda, SomeNamesSearchAnotherTable)
{
    EXPECT_EQ(elegir("SERIE").tabla, "VT_MP_PAGOS");
    EXPECT_EQ(elegir("MPAGO").codigo, "CodigoOpcional");
    EXPECT_EQ(elegir("TC").tabla, "TA_COMPROBANTES");
    QString llamador = "V_TA_Cpte";
    EXPECT_EQ(elegir("V_TA_Cpte", &llamador).tabla, "V_TA_Cpte");
    EXPECT_EQ(llamador, "VT_TA_Cpte");
    ConfiguracionBusqueda telefonos;
    QString nombre = "VT_CLIENTES_TEL";
    ASSERT_TRUE(ReglasBusqueda::ElegirColumnas(nombre, nombre, "C'01", telefonos));
    EXPECT_TRUE(telefonos.tabla.startsWith("(SELECT CODIGO,"));
    EXPECT_TRUE(telefonos.tabla.contains("WHERE CUENTA = 'C''01' AND")) << telefonos.tabla.toStdString();
}

TEST(ReglasBusqueda, UnknownTablesAreNotSearchableAndFechaIsACalendar)
{
    EXPECT_FALSE(elegir("CLIENTES").disponible);
    EXPECT_FALSE(elegir("V_TA_FAMILIAS").disponible);
    ConfiguracionBusqueda fecha;
    QString nombre = "Fecha";
    EXPECT_TRUE(ReglasBusqueda::ElegirColumnas(nombre, nombre, {}, fecha));
    EXPECT_TRUE(fecha.calendario);
}

TEST(ReglasBusqueda, ExtraConditionsFollowTheTableSearched)
{
    const auto condicion = [](const QString& tabla) {
        ConfiguracionBusqueda config{tabla, "C", "D", "sobra", 4, false};
        ReglasBusqueda::AgregarCondicion(config);
        return config;
    };
    EXPECT_EQ(condicion("V_MA_ARTICULOS").condicionExtra, "and SUSPENDIDO = 0");
    EXPECT_EQ(condicion("VT_CLIENTES").condicionExtra, "and Dada_De_Baja = 0");
    EXPECT_EQ(condicion("MA_CUENTAS").condicionExtra, " and Dada_De_Baja = 0 ");
    const ConfiguracionBusqueda cajas = condicion("MA_CUENTAS_CAJAYBANCO");
    EXPECT_EQ(cajas.tabla, "MA_CUENTAS");
    EXPECT_TRUE(cajas.condicionExtra.endsWith("AND CAJAYBANCO = 1"));
    EXPECT_EQ(condicion("MA_CUENTAS/SOLOIMPUTABLES").tabla, "MA_CUENTAS");
    EXPECT_EQ(condicion("MA_CONTACTOS").campoCodigo, "IdContacto");
    EXPECT_EQ(condicion("V_TA_FAMILIAS").campoCodigo, "IDFAMILIA");
    EXPECT_EQ(condicion("V_TA_Unidad").condicionExtra, "");
}

TEST(ReglasBusqueda, DirectAddsNeedTheTablesTask)
{
    EXPECT_EQ(ReglasBusqueda::TareaDeAlta("v_ta_unidad"), "D010301");
    EXPECT_EQ(ReglasBusqueda::TareaDeAlta("TA_PAISES"), "D010301");
    EXPECT_EQ(ReglasBusqueda::TareaDeAlta("V_MA_MANTENIMIENTOS"), "D010180");
    EXPECT_EQ(ReglasBusqueda::TareaDeAlta("V_TA_VENDEDORES"), "D010160");
    EXPECT_EQ(ReglasBusqueda::TareaDeAlta("V_MA_ARTICULOS"), "");
    EXPECT_EQ(ReglasBusqueda::NombreParaOperador("V_TA_Unidad"), "Unidad");
    EXPECT_EQ(ReglasBusqueda::NombreParaOperador("ta_paises"), "paises");
    EXPECT_EQ(ReglasBusqueda::NombreParaOperador("MA_CHOFERES"), "CHOFERES");
}
