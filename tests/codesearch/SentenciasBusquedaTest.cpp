#include "codesearch/SentenciasBusqueda.h"
#include "codesearch/TextosBusqueda.h"
#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

// The statements of the code search box, as SQL Server receives them.

namespace {

const ConfiguracionBusqueda kUnidades{"V_TA_Unidad", "IDUnidad", "DESCRIPCION", "", 4, false};
const ConfiguracionBusqueda kArticulos{"V_MA_ARTICULOS", "IDARTICULO", "DESCRIPCION", "and SUSPENDIDO = 0", 4, false};

}  // namespace

TEST(SentenciasBusqueda, BlanksInTheTextStandForAnyRunOfCharacters)
{
    EXPECT_EQ(SentenciasBusqueda::Busqueda(kUnidades, "caja chica", {}),
              "select top 100 DESCRIPCION,IDUnidad from V_TA_Unidad where (DESCRIPCION like '%caja%chica%' or "
              "IDUnidad like '%caja%chica%' )   order by DESCRIPCION");
    EXPECT_EQ(SentenciasBusqueda::Busqueda(kArticulos, "torn", {}),
              "select top 100 DESCRIPCION,IDARTICULO from V_MA_ARTICULOS where (DESCRIPCION like '%torn%' or "
              "IDARTICULO like '%torn%' )  and SUSPENDIDO = 0 order by DESCRIPCION");
}

TEST(SentenciasBusqueda, TypedTextUserAndAccountAreQuoted)
{
    EXPECT_TRUE(
        SentenciasBusqueda::Busqueda(kUnidades, "d'Arpino' OR 1=1 --", {}).contains("like '%d''Arpino''%OR%1=1%--%'"));
    EXPECT_EQ(SentenciasBusqueda::TareaDelUsuario("D010301", "O'Neil"),
              "SELECT tarea FROM ta_tareas where tarea = 'D010301' and usuario = 'O''Neil'");
    EXPECT_EQ(SentenciasBusqueda::VendedorDelUsuario("x' OR '1'='1"),
              "SELECT * FROM ta_USUARIOS where LTRIM(RTRIM(NOMBRE)) = 'x'' OR ''1''=''1'");
    EXPECT_TRUE(SentenciasBusqueda::TablaTelefonos(" C'1 ").contains("WHERE CUENTA = 'C''1' AND TELEFONO IS NOT NULL"));
}

TEST(SentenciasBusqueda, ANarrowedSearchQuotesTheCodesAndTheDescriptionItStartsFrom)
{
    EXPECT_EQ(SentenciasBusqueda::BusquedaEntreCodigos(kArticulos, "torn", {"A'1", "B"}, "O'Brien"),
              "select top 100 DESCRIPCION,IDARTICULO from V_MA_ARTICULOS where (DESCRIPCION like '%torn%' or "
              "IDARTICULO like '%torn%' )  and SUSPENDIDO = 0 and IDARTICULO in ('A''1', 'B') and DESCRIPCION < "
              "'O''Brien' order by DESCRIPCION, IDARTICULO");
    EXPECT_TRUE(SentenciasBusqueda::BusquedaDesde(kArticulos, "torn", "O'Brien", 7)
                    .startsWith("select top 7 DESCRIPCION,IDARTICULO "));
    EXPECT_TRUE(SentenciasBusqueda::BusquedaDesde(kArticulos, "torn", "O'Brien", 7)
                    .endsWith("and SUSPENDIDO = 0 and DESCRIPCION >= 'O''Brien' order by DESCRIPCION"));
    EXPECT_FALSE(SentenciasBusqueda::Acotable(kArticulos, "7"));
    EXPECT_TRUE(SentenciasBusqueda::Acotable(kUnidades, "7"));
}

TEST(SentenciasBusqueda, APriceListRestrictsArticleSearchesOnly)
{
    EXPECT_EQ(SentenciasBusqueda::Busqueda(kArticulos, "sal", "7"),
              "select top 100 DESCRIPCION, v_ma_articulos.IDarticulo from v_ma_articulos inner join v_ma_precios on "
              "v_ma_articulos.idarticulo = v_ma_precios.idarticulo and idlista = '   7'   where "
              "(v_ma_articulos.idarticulo like '%sal%' or Descripcion like '%sal%')  and SUSPENDIDO = 0 order by "
              "DESCRIPCION ");
    EXPECT_TRUE(SentenciasBusqueda::Busqueda(kUnidades, "sal", "7").startsWith("select top 100 DESCRIPCION,IDUnidad"));
}

TEST(SentenciasBusqueda, ModelsAreListedOnceByName)
{
    const ConfiguracionBusqueda modelos{"MA_MODELOS", "NOMBRE", "NOMBRE", "", 4, false};
    EXPECT_EQ(SentenciasBusqueda::Busqueda(modelos, "fi", {}),
              "select top 100 NOMBRE from MA_MODELOS where NOMBRE like '%fi%'  GROUP BY NOMBRE ");
}

TEST(SentenciasBusqueda, SettingsAreReadThroughTheSuitesProcedure)
{
    EXPECT_EQ(SentenciasBusqueda::Configuracion("DeshabilitaBusquedaCodigo"),
              "EXEC sp1_getCfg @Campo = 'DeshabilitaBusquedaCodigo'");
    EXPECT_EQ(SentenciasBusqueda::Configuracion(QString(60, u'x')).size(),
              QString("EXEC sp1_getCfg @Campo = ''").size() + 50);
}

TEST(TextosBusqueda, NumericCodesAreRightAlignedAndOthersTrimmed)
{
    EXPECT_EQ(TextosBusqueda::FmtLeerCodigo("12", 4), "  12");
    EXPECT_EQ(TextosBusqueda::FmtLeerCodigo(" 7 ", 0), "  7");
    EXPECT_EQ(TextosBusqueda::FmtLeerCodigo(" AB ", 4), "AB");
    EXPECT_EQ(TextosBusqueda::FmtLeerCodigo("123456", 4), "123456");
    EXPECT_EQ(TextosBusqueda::FieldVal(Variant::null()), "");
    EXPECT_EQ(TextosBusqueda::FieldVal(Variant(12)), "12");
    EXPECT_EQ(TextosBusqueda::EntradaLista("TORNILLO", "1234"), "TORNILLO" + QString(50, u' ') + "1234");
}
