#include "replication/CatalogoReplica.h"
#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

TEST(CamposClave, TheEquivalencesAreKeyedByArticleAndBothUnitsWhateverTheMarkOrCase)
{
    const QStringList claves{"IDARTICULO", "IDUNIDAD", "IDUNIDAD_EQUIV"};
    EXPECT_EQ(CamposClave("S_TA_EQUIV"), claves);
    EXPECT_EQ(CamposClave("@Admin_s_ta_equiv"), claves);
    EXPECT_EQ(CamposClave("V_TA_TPV"), QStringList{"CODIGO"});
    EXPECT_TRUE(CamposClave("MV_ASIENTOS").isEmpty());
}

TEST(GrupoDeTablasTPV, EachTableHasItsRefusalFlagAndPendingMark)
{
    const auto articulos = GrupoDeTablasTPV("s_ta_equiv");
    ASSERT_TRUE(articulos);
    EXPECT_EQ(articulos->columnaExclusion, "OL_ExceptoArticulos");
    EXPECT_EQ(articulos->columnasPendientes, QStringList{"PEND_ARTICULOS"});
    const auto configuracion = GrupoDeTablasTPV("TA_CONFIGURACION");
    ASSERT_TRUE(configuracion);
    EXPECT_TRUE(configuracion->columnaExclusion.isEmpty());
    EXPECT_FALSE(GrupoDeTablasTPV("MV_ASIENTOS"));
}

TEST(TablasConMarcaPendiente, AMarkSharedByTwoGroupsStandsForTheTablesOfBoth)
{
    const QStringList tablas = TablasConMarcaPendiente("PEND_TABLAS");
    EXPECT_TRUE(tablas.contains("TA_CONFIGURACION"));
    EXPECT_TRUE(tablas.contains("V_TA_UNIDAD"));
    EXPECT_FALSE(tablas.contains("S_TA_EQUIV"));
}
