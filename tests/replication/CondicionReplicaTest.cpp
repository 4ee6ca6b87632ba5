#include "replication/CondicionReplica.h"
#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

namespace {

const QStringList kClaves{"IDARTICULO", "IDUNIDAD", "IDUNIDAD_EQUIV"};

}  // namespace

TEST(CondicionReplica, OneEqualityPerKeyGivenJoinedByAnd)
{
    EXPECT_EQ(CondicionReplica({}, kClaves, {"'A1'", "'KG'", "'GR'", {}, {}, {}}),
              " WHERE IDARTICULO = 'A1' AND IDUNIDAD = 'KG' AND IDUNIDAD_EQUIV = 'GR'");
    EXPECT_EQ(CondicionReplica({}, kClaves, {"'A1'", {}, "'GR'", {}, {}, {}}),
              " WHERE IDARTICULO = 'A1' AND IDUNIDAD_EQUIV = 'GR'");
}

TEST(CondicionReplica, AConditionGivenComesFirstAndKeepsItsOwnWhere)
{
    EXPECT_EQ(CondicionReplica("PARATODOS = 1 AND IDUNIDAD = 'KG'", kClaves, {}),
              " WHERE PARATODOS = 1 AND IDUNIDAD = 'KG'");
    EXPECT_EQ(CondicionReplica(" where PARATODOS = 1", kClaves, {"'A1'", {}, {}, {}, {}, {}}),
              " where PARATODOS = 1 AND IDARTICULO = 'A1'");
}

TEST(CondicionReplica, NothingToPickRowsByGivesNoCondition)
{
    EXPECT_EQ(CondicionReplica("  ", kClaves, {}), "");
    EXPECT_EQ(CondicionReplica({}, {}, {"'A1'", {}, {}, {}, {}, {}}), "");
}

TEST(CondicionDeFila, TheRowsKeysAsTheyAreWritten)
{
    const db::ColumnType texto{db::ado::adVarChar, 25};
    EXPECT_EQ(CondicionDeFila(kClaves, {"O'1", "KG", Variant::null()}, {texto, texto, texto}),
              " WHERE IDARTICULO = 'O''1' AND IDUNIDAD = 'KG' AND IDUNIDAD_EQUIV IS NULL");
}
