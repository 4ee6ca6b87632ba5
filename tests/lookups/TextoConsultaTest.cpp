#include "lookups/TextoConsulta.h"
#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

TEST(TextoConsulta, ConditionsJoinInParenthesesSoThatAnOrStaysOnItsSide)
{
    EXPECT_EQ(UnirCondiciones("a = 1 or b = 2", " c = 3 "), "(a = 1 or b = 2) and (c = 3)");
    EXPECT_EQ(UnirCondiciones("  ", "c = 3"), "c = 3");
    EXPECT_EQ(UnirCondiciones("a = 1", ""), "a = 1");
}

TEST(TextoConsulta, AStatementSplitsBeforeItsOwnGroupByOrOrderBy)
{
    const SentenciaPartida ordenada =
        PartirSentencia("SELECT a FROM T WHERE b IN (SELECT c FROM U ORDER BY c) ORDER  BY a ");
    EXPECT_EQ(ordenada.cabeza, "SELECT a FROM T WHERE b IN (SELECT c FROM U ORDER BY c) ");
    EXPECT_EQ(ordenada.resto, "ORDER  BY a ");
    const SentenciaPartida agrupada = PartirSentencia("SELECT a, COUNT(*) FROM T Group By a order by a");
    EXPECT_EQ(agrupada.resto, "Group By a order by a");
    EXPECT_EQ(PartirSentencia("SELECT a FROM T WHERE b = 'x order by y'").resto, "");
    EXPECT_EQ(PartirSentencia("SELECT ORDERNRO FROM T").resto, "") << "a word that only begins with ORDER";
}

TEST(TextoConsulta, AConditionJoinsTheStatementsOwnWhereOrStartsOne)
{
    EXPECT_EQ(AgregarCondicion("SELECT a FROM T ", "a like 'x%'", " where "), "SELECT a FROM T  where a like 'x%'");
    EXPECT_EQ(AgregarCondicion("SELECT a FROM T WHERE b = 1 or c = 2 ", "a like 'x%'", " where "),
              "SELECT a FROM T WHERE (b = 1 or c = 2) and (a like 'x%') ");
    EXPECT_EQ(AgregarCondicion("SELECT a FROM T WHERE b IN (SELECT c FROM U WHERE d = 1)", "e = 2", " WHERE "),
              "SELECT a FROM T WHERE (b IN (SELECT c FROM U WHERE d = 1)) and (e = 2) ");
    EXPECT_EQ(AgregarCondicion("SELECT a FROM T t1 JOIN (SELECT c FROM U WHERE d = 1) t2 ON 1 = 1", "e = 2", " WHERE "),
              "SELECT a FROM T t1 JOIN (SELECT c FROM U WHERE d = 1) t2 ON 1 = 1 WHERE e = 2");
}

TEST(TextoConsulta, TheTableOfAStatementIsTheWordAfterItsFrom)
{
    EXPECT_EQ(TablaDeSentencia("select DESCRIPCION,IdUnidad from V_ta_unidad "), "V_ta_unidad");
    EXPECT_EQ(TablaDeSentencia("SELECT TOP 10 A FROM  VT_MA_ARTICULOS  with(nolock) WHERE X = 1"), "VT_MA_ARTICULOS");
    EXPECT_EQ(TablaDeSentencia("SELECT IdFrom FROM T"), "T");
    EXPECT_EQ(TablaDeSentencia("SELECT 1"), "");
}
