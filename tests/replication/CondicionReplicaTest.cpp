#include "replication/CondicionReplica.h"
#include "replication/ModGruposEmp.h"
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

TEST(CondicionDeFilas, EqualKeysAreComparedOnceAndTheOneThatDiffersTakesThemAllWithIn)
{
    const auto una = CondicionDeFilas(kClaves, {{"O'1", "KG", Variant::null()}});
    ASSERT_TRUE(una);
    EXPECT_EQ(una->texto, " WHERE IDARTICULO = ? AND IDUNIDAD = ? AND IDUNIDAD_EQUIV IS NULL");
    EXPECT_EQ(una->valores, (QVector<Variant>{QString("O'1"), QString("KG")}));

    const auto fila = [](const char* articulo, const char* unidad) {
        return QVector<Variant>{QString(articulo), QString(unidad), QString("GR")};
    };
    const auto varias = CondicionDeFilas(kClaves, {fila("A1", "KG"), fila("A2", "KG"), fila("A1", "KG")});
    ASSERT_TRUE(varias);
    EXPECT_EQ(varias->texto, " WHERE IDUNIDAD = ? AND IDUNIDAD_EQUIV = ? AND IDARTICULO IN (?, ?)");
    EXPECT_EQ(varias->valores, (QVector<Variant>{QString("KG"), QString("GR"), QString("A1"), QString("A2")}));

    EXPECT_FALSE(CondicionDeFilas(kClaves, {fila("A1", "KG"), fila("A2", "UN")})) << "two keys differ";
    EXPECT_FALSE(CondicionDeFilas(kClaves, {fila("A1", "KG"), {Variant::null(), QString("KG"), QString("GR")}}));
}

TEST(CondicionDelTramo, TheKeysOfTheRequestsAreReadBackFromTheirLiterals)
{
    const auto pedido = [](const QString& articulo) {
        return SolicitudReplica{"S_TA_EQUIV", 1, {articulo, "'KG'", "'GR'", {}, {}, {}}, {}};
    };
    const auto tramo = CondicionDelTramo(kClaves, {pedido("'O''1'"), pedido("'A-2'"), pedido("7")});
    ASSERT_TRUE(tramo);
    EXPECT_EQ(tramo->valores,
              (QVector<Variant>{QString("KG"), QString("GR"), QString("O'1"), QString("A-2"), qint64(7)}));

    SolicitudReplica conCondicion = pedido("'A-3'");
    conCondicion.Condicion = "PARATODOS = 1";
    EXPECT_FALSE(CondicionDelTramo(kClaves, {pedido("'A-1'"), conCondicion}));
    EXPECT_FALSE(CondicionDelTramo(kClaves, {pedido("'A-1'"), pedido("GETDATE()")}));
}
