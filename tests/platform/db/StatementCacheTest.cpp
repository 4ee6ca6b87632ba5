#include "platform/db/Connection.h"
#include "platform/db/Dialect.h"
#include "platform/db/StatementLog.h"
#include "support/DatabaseTest.h"
#include "support/QStringPrinter.h"

using namespace db;

// Statements that differ only in their compared or assigned literals share
// one translation and one prepared statement; what they do must not change.
class StatementCacheTest : public EveryEngineTest {
protected:
    void SetUp() override
    {
        EveryEngineTest::SetUp();
        if (IsSkipped()) return;
        seed(
            {"INSERT INTO V_TA_UNIDAD (IdUnidad, Descripcion) VALUES ('UN', 'Unidad'), ('O''K', 'Comilla'), "
             "('KG', 'Kilogramo')",
             "INSERT INTO S_TA_EQUIV (IDARTICULO, IDUNIDAD, IDUNIDAD_EQUIV, COEFICIENTE) VALUES "
             "('A-1', 'CJ', 'UN', 12), ('A-2', 'KG', 'GR', 1000.5)"});
        connection.Open(connectionText());
    }

    Variant descripcion(const QString& literal)
    {
        Recordset rows = connection.Execute("SELECT Descripcion FROM V_TA_UNIDAD WHERE IdUnidad = " + literal);
        return rows.Eof() ? Variant(QString("<none>")) : rows.Fields(0).Value();
    }
    long equivalences(const QString& condition)
    {
        return connection.Execute("SELECT COUNT(*) FROM S_TA_EQUIV WHERE " + condition).Fields(0).Value().toLong();
    }
    // Number and native error of the failure `statement` raises.
    std::pair<long, long> failureOf(const QString& statement)
    {
        try {
            connection.Execute(statement);
        } catch (const ErrorVB& error) {
            return {error.numero, connection.errors().Item(0).NativeError};
        }
        return {0, 0};
    }

    Connection connection;
};

TEST_P(StatementCacheTest, EachLiteralFindsItsOwnRows)
{
    EXPECT_EQ(descripcion("'UN'").toText(), "Unidad");
    EXPECT_EQ(descripcion("'O''K'").toText(), "Comilla");
    EXPECT_EQ(descripcion("'kg'").toText(), "Kilogramo") << "compared without case";
    EXPECT_EQ(descripcion("'XX'").toText(), "<none>");

    connection.Execute("UPDATE V_TA_UNIDAD SET Descripcion = NULL WHERE IdUnidad = 'UN'");
    connection.Execute("UPDATE V_TA_UNIDAD SET Descripcion = 'Caja ''grande''' WHERE IdUnidad = 'KG'");
    EXPECT_TRUE(descripcion("'UN'").isNull());
    EXPECT_EQ(descripcion("'KG'").toText(), "Caja 'grande'");

    EXPECT_EQ(equivalences("COEFICIENTE = 12"), 1);
    EXPECT_EQ(equivalences("COEFICIENTE = 1000.5"), 1);
    EXPECT_EQ(equivalences("COEFICIENTE = 7"), 0);
    EXPECT_EQ(equivalences("COEFICIENTE > 11"), 2);
    EXPECT_EQ(equivalences("COEFICIENTE = '12'"), 1) << "a quoted number compares as a number";
    EXPECT_EQ(equivalences("COEFICIENTE < 5000000000"), 2) << "a number beyond 32 bits";
}

TEST_P(StatementCacheTest, InsertedValuesArriveAsWrittenWhateverTheirKind)
{
    const QString insert = "INSERT INTO S_TA_EQUIV (IDARTICULO, IDUNIDAD, IDUNIDAD_EQUIV, COEFICIENTE) VALUES ";
    connection.Execute(insert + "('B''1', 'KG', 'GR', 0.001)");
    connection.Execute(insert + "('B-2', 'KG', 'GR', NULL)");
    connection.Execute(insert + "('B-3', 'KG', 'GR', 5000000000)");
    connection.Execute(insert + "('B-4', 'KG', 'GR', 123456789012.123456)");
    EXPECT_EQ(equivalences("IDARTICULO = 'B''1' AND COEFICIENTE = 0.001"), 1);
    EXPECT_EQ(equivalences("IDARTICULO = 'B-2' AND COEFICIENTE IS NULL"), 1);
    EXPECT_EQ(equivalences("IDARTICULO = 'B-3' AND IDUNIDAD = 'KG' AND COEFICIENTE = 5000000000"), 1);
    EXPECT_EQ(equivalences("COEFICIENTE = 123456789012.123456"), 1) << "every digit the column keeps";
}

TEST_P(StatementCacheTest, FailuresKeepTheirNumbersWhateverTheLiterals)
{
    connection.Execute("UPDATE V_TA_UNIDAD SET IdUnidad = 'LT' WHERE IdUnidad = 'UN'");
    const auto tooLong = failureOf("UPDATE V_TA_UNIDAD SET IdUnidad = 'DEMASIADO' WHERE IdUnidad = 'LT'");
    EXPECT_EQ(tooLong.second, 8152);
    EXPECT_EQ(failureOf("UPDATE V_TA_UNIDAD SET IdUnidad = 'DEMASIADO ' WHERE IdUnidad = 'LT'"), tooLong)
        << "a literal with a trailing blank is sent as written";

    connection.Execute("UPDATE S_TA_EQUIV SET COEFICIENTE = 3 WHERE IDARTICULO = 'A-1'");
    const auto wrongType = failureOf("UPDATE S_TA_EQUIV SET COEFICIENTE = 'tres' WHERE IDARTICULO = 'A-1'");
    EXPECT_NE(wrongType.first, 0);
    EXPECT_EQ(failureOf("UPDATE S_TA_EQUIV SET COEFICIENTE = 'tres ' WHERE IDARTICULO = 'A-1'"), wrongType);
    EXPECT_EQ(equivalences("COEFICIENTE = 3"), 1) << "the failed statements changed nothing";
}

TEST_P(StatementCacheTest, TheLogShowsTheStatementWithItsLiterals)
{
    StatementLog log;
    connection.setStatementLog(&log);
    const QString first = "SELECT * FROM V_TA_UNIDAD WHERE IdUnidad = 'UN' AND Descripcion <> 'x'";
    const QString second = "SELECT * FROM V_TA_UNIDAD WHERE IdUnidad = 'O''K' AND Descripcion <> 'y'";
    connection.Execute(first);
    connection.Execute(second);
    const auto dialect = onSqlite() ? makeSqliteDialect() : makePostgresDialect();
    ASSERT_EQ(log.entries().size(), 2);
    EXPECT_EQ(log.entries()[0].sent, dialect->translate(first, kCompany).first());
    EXPECT_EQ(log.entries()[1].sent, dialect->translate(second, kCompany).first());
}

TEST_P(StatementCacheTest, BoundValuesReachTheirOwnMarkersUnspelled)
{
    long changed = 0;
    connection.Execute("INSERT INTO S_TA_EQUIV (IDARTICULO, IDUNIDAD, IDUNIDAD_EQUIV, COEFICIENTE, PARATODOS) "
                       "SELECT IdUnidad, ?, ?, ?, 1 FROM V_TA_UNIDAD WHERE IdUnidad IN (?, ?, ?)",
                       {QString("KG"), QString("GR"), 0.25, QString("un"), QString("O'K"), QString("ZZ")}, changed);
    EXPECT_EQ(changed, 2) << "rows picked case aside, with a quote, and none for a missing code";
    EXPECT_EQ(equivalences("IDARTICULO = 'O''K' AND IDUNIDAD = 'KG' AND COEFICIENTE = 0.25 AND PARATODOS = 1"), 1);

    connection.Execute("UPDATE S_TA_EQUIV SET COEFICIENTE = ? WHERE IDUNIDAD = 'KG' AND IDARTICULO IN (?, ?) "
                       "AND IDUNIDAD_EQUIV <> '?'",
                       {1000.5, QString("UN"), QString("A-2")}, changed);
    EXPECT_EQ(changed, 2) << "a ? within quotes is text, not a marker";

    Recordset rows = connection.Execute("SELECT IDARTICULO FROM S_TA_EQUIV WHERE COEFICIENTE = ? ORDER BY IDARTICULO",
                                        {1000.5}, changed);
    ASSERT_FALSE(rows.Eof());
    EXPECT_EQ(rows.Fields(0).Value().toText(), "A-2");
    rows.MoveNext();
    EXPECT_EQ(rows.Fields(0).Value().toText(), "UN");
}

ON_EVERY_ENGINE(StatementCacheTest);
