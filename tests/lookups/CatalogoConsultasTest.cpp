#include "lookups/CatalogoConsultas.h"
#include "support/QStringPrinter.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

// The table as looked up, then its description, code and extra columns.
QStringList resolved(const QString& table, const ColumnasCatalogo& given = {"d", "c", "e"})
{
    QString name = table;
    ColumnasCatalogo columns = given;
    ResolverCatalogo(name, columns);
    return {name, columns.Descripcion, columns.Codigo, columns.Extra};
}

}  // namespace

TEST(CatalogoConsultas, NamedTablesHaveTheirOwnColumns)
{
    EXPECT_EQ(resolved("VT_Clientes"), (QStringList{"VT_Clientes", "Razon_Social", "Codigo", ""}));
    EXPECT_EQ(resolved("V_TA_PERCEPCION"), (QStringList{"V_TA_PERCEPCION", "DESCRIPCION", "IDPERCEPCION", ""}));
    EXPECT_EQ(resolved("v_ta_categoriaarticulo"),
              (QStringList{"v_ta_categoriaarticulo", "DESCRIPCION", "idcategoria", ""}));
    EXPECT_EQ(resolved("P_SINDICATOS"), (QStringList{"P_SINDICATOS", "Descripcion", "IdSindicato", ""}));
    EXPECT_EQ(resolved("P_MA_Clientes"), (QStringList{"P_MA_Clientes", "RAZON_SOCIAL", "IDCLIENTE", ""}));
    EXPECT_EQ(resolved("V_MA_ARTICULOS"), (QStringList{"V_MA_ARTICULOS", "DESCRIPCION", "IDARTICULO", "DESCRIPCION"}));
    EXPECT_EQ(resolved("V_TA_VENDEDORES"), (QStringList{"V_TA_VENDEDORES", "NOMBRE", "idvendedor", "NOMBRE"}));
    EXPECT_EQ(resolved("MA_CHOFERES"), (QStringList{"MA_CHOFERES", "APELLIDO, NOMBRES", "CODIGO", "NOMBRES"}));
    EXPECT_EQ(resolved("MA_VEHICULOS"),
              (QStringList{"MA_VEHICULOS", "PATENTE,TIPO_VEHICULO,MODELO,TIPO", "PATENTE", "MODELO"}));
    EXPECT_EQ(resolved("TA_USUARIOS"), (QStringList{"TA_USUARIOS", "NOMBRE", "NOMBRE", ""}));
}

TEST(CatalogoConsultas, VouchersAreLookedUpInTheirViewAndTheCallerSeesTheName)
{
    EXPECT_EQ(resolved("TA_COMPROBANTES"), (QStringList{"VT_TA_Cpte", "Descripcion", "Codigo", ""}));
    EXPECT_EQ(resolved("v_ta_cpte"), (QStringList{"VT_TA_Cpte", "Descripcion", "Codigo", ""}));
    EXPECT_EQ(resolved("TA_Cpte"), (QStringList{"TA_Cpte", "DESCRIPCION", "CODIGO", "DESCRIPCION"}));
}

TEST(CatalogoConsultas, SmallTablesNameTheirCodeAfterTheTableLessOneFinalS)
{
    EXPECT_EQ(resolved("V_TA_Bancos")[2], "IDBanco");
    EXPECT_EQ(resolved("V_ta_unidad")[2], "IDunidad");
    EXPECT_EQ(resolved("V_TA_Deposito")[2], "IDDeposito");
    EXPECT_EQ(resolved("V_TA_CPRA_VTA")[2], "IDCOND_CPRA_VTA");
    EXPECT_EQ(resolved("V_TA_TipoArticulo")[2], "IDTIPO");
    EXPECT_EQ(resolved("V_TA_Cajas")[2], "IDCajas");
    EXPECT_EQ(resolved("V_TA_Tecnicos"), (QStringList{"V_TA_Tecnicos", "NOMBRE", "IDTecnico", ""}));
    EXPECT_EQ(resolved("P_TA_Grupos"), (QStringList{"P_TA_Grupos", "Descripcion", "IDGrupo", ""}));
    EXPECT_EQ(resolved("P_MA_Empresas"), (QStringList{"P_MA_Empresas", "NombreEmpresa", "IDEmpresa", ""}));
    EXPECT_EQ(resolved("P_TA_Areas")[2], "IDAreas");
    EXPECT_EQ(resolved("P_TA_Funciones")[2], "IDFunciones");
    EXPECT_EQ(resolved("TA_Rubros"), (QStringList{"TA_Rubros", "DESCRIPCION", "IDRubro", ""}));
    EXPECT_EQ(resolved("TA_TipoArticulo")[2], "IDTIPO");
}

TEST(CatalogoConsultas, OtherTablesGoByTheirPrefix)
{
    EXPECT_EQ(resolved("TA_MONEDAS"), (QStringList{"TA_MONEDAS", "DESCRIPCION", "CODIGO", "DESCRIPCION"}));
    EXPECT_EQ(resolved("MA_PROVEEDORES"), (QStringList{"MA_PROVEEDORES", "Razon_Social", "Codigo", "Razon_Social"}));
    EXPECT_EQ(resolved("ma_agentes")[1], "Razon_Social");
    EXPECT_EQ(resolved("MA_CLIENTES"), (QStringList{"MA_CLIENTES", "Razon_Social", "Codigo", "Codigo_sucursal"}));
    EXPECT_EQ(resolved("MA_ZONAS"), (QStringList{"MA_ZONAS", "Descripcion", "Codigo", "Descripcion"}));
    EXPECT_EQ(resolved("[MA_CAMIONES]"), (QStringList{"[MA_CAMIONES]", "nombre", "Codigo", "nombre"}));
    EXPECT_EQ(resolved("MV_PROYECTOS"), (QStringList{"MV_PROYECTOS", "ASUNTO", "ID", "ASUNTO"}));
}

TEST(CatalogoConsultas, PostalCodesOverrideTheirPrefixAndUnknownTablesKeepWhatTheyWereGiven)
{
    EXPECT_EQ(resolved("ta_codigospostales"), (QStringList{"ta_codigospostales", "LOCALIDAD", "cp", "LOCALIDAD"}));
    EXPECT_EQ(resolved("[MA_X]"), (QStringList{"[MA_X]", "d", "c", "e"}));
    EXPECT_EQ(resolved("MV_VENTAS"), (QStringList{"MV_VENTAS", "d", "c", "e"}));
}
