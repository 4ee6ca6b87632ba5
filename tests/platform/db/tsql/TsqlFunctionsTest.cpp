#include "esquema/GuionEsquema.h"
#include "platform/db/Connection.h"
#include "platform/db/tsql/LikeFolding.h"
#include "platform/db/tsql/PostgresDialect.h"
#include "support/DatabaseTest.h"
#include "support/QStringPrinter.h"

#include <QDateTime>

#include <cstdlib>

// The T-SQL functions that the engines lack (registered on SQLite connections,
// created by compat.sql on PostgreSQL), called in T-SQL text through the
// connection on texts stored in the company schema's case-insensitive columns.

namespace {

class TsqlFunctionsTest : public EveryEngineTest {
protected:
    void SetUp() override
    {
        EveryEngineTest::SetUp();
        if (IsSkipped()) return;
        connection.Open(connectionText());
        connection.Execute("INSERT INTO V_TA_UNIDAD (IdUnidad, Descripcion) VALUES ('UN', 'Piña Colada')");
        connection.Execute(
            "INSERT INTO V_MA_ARTICULOS (IdArticulo, Descripcion, Precio, Baja) VALUES ('A1', 'Tornillo', 10.5, 1)");
    }

    // The value of an expression over the one unit row.
    Variant value(const QString& expression)
    {
        return connection.Execute("SELECT " + expression + " FROM V_TA_UNIDAD").Fields(0).Value();
    }

    QString text(const QString& expression) { return value(expression).toText(); }

    db::Connection connection;
};

}  // namespace

TEST_P(TsqlFunctionsTest, LenCountsCharactersWithoutTrailingBlanks)
{
    EXPECT_EQ(value("LEN('ab  ')").toLong(), 2);
    EXPECT_EQ(value("LEN('  ab')").toLong(), 4);
    EXPECT_EQ(value("LEN('')").toLong(), 0);
    EXPECT_EQ(value("LEN(Descripcion)").toLong(), 11);
    EXPECT_TRUE(value("LEN(NULL)").isNull());
}

TEST_P(TsqlFunctionsTest, DatalengthCountsOneBytePerCharacterBlanksIncluded)
{
    EXPECT_EQ(value("DATALENGTH('ab  ')").toLong(), 4);
    EXPECT_EQ(value("DATALENGTH(Descripcion)").toLong(), 11);
    EXPECT_TRUE(value("DATALENGTH(NULL)").isNull());
}

TEST_P(TsqlFunctionsTest, GetdateIsTheDateAndTimeToTheSecond)
{
    const QDateTime now = value("getDate()").toDateTime();
    EXPECT_EQ(now.time().msec(), 0);
    // Whatever time zone the server keeps, it is the same day give or take.
    constexpr qint64 kOneDay = 24 * 60 * 60;
    EXPECT_LT(std::abs(now.secsTo(QDateTime::currentDateTime())), kOneDay);
}

TEST_P(TsqlFunctionsTest, CharindexFindsWithoutRegardToCase)
{
    EXPECT_EQ(value("CHARINDEX('ÑA', Descripcion)").toLong(), 3);
    EXPECT_EQ(value("CHARINDEX('col', Descripcion)").toLong(), 6);
    EXPECT_EQ(value("CHARINDEX('z', Descripcion)").toLong(), 0);
    EXPECT_TRUE(value("CHARINDEX('a', NULL)").isNull());
}

TEST_P(TsqlFunctionsTest, CharindexFromAPositionCountsFromTheStart)
{
    EXPECT_EQ(value("CHARINDEX('A', Descripcion, 5)").toLong(), 9);
    EXPECT_EQ(value("CHARINDEX('a', Descripcion, 4)").toLong(), 4);
    EXPECT_EQ(value("CHARINDEX('a', Descripcion, 0)").toLong(), 4);
    EXPECT_EQ(value("CHARINDEX('p', Descripcion, 2)").toLong(), 0);
}

TEST_P(TsqlFunctionsTest, PlusOfColumnsJoinsTextsAndAddsNumbers)
{
    EXPECT_EQ(text("IdUnidad + Descripcion"), "UNPiña Colada");
    EXPECT_EQ(connection.Execute("SELECT Precio + Baja FROM V_MA_ARTICULOS").Fields(0).Value().toDouble(), 11.5);
    EXPECT_EQ(text("TSQL_ADD('ab', 'cd')"), "abcd");
    EXPECT_EQ(value("TSQL_ADD(2, 3.5)").toDouble(), 5.5);
}

TEST_P(TsqlFunctionsTest, ReplaceFindsWithoutRegardToCase)
{
    EXPECT_EQ(text("REPLACE(Descripcion, 'A', '-')"), "Piñ- Col-d-");
    EXPECT_EQ(text("REPLACE(Descripcion, 'ñ', 'n')"), "Pina Colada");
    EXPECT_EQ(text("REPLACE(Descripcion, '', 'x')"), "Piña Colada");
    EXPECT_EQ(text("REPLACE('a.b*c', '.', '\\1')"), "a\\1b*c");
    EXPECT_EQ(text("REPLACE('a.b*c', '*', '')"), "a.bc");
    EXPECT_TRUE(value("REPLACE(NULL, 'a', 'b')").isNull());
}

TEST_P(TsqlFunctionsTest, LikeMatchesEveryLetterInEitherCaseAndKeepsSets)
{
    const auto count = [&](const QString& condition) {
        return connection.Execute("SELECT COUNT(*) FROM V_TA_UNIDAD WHERE " + condition).Fields(0).Value().toLong();
    };
    EXPECT_EQ(count("Descripcion LIKE '%PIÑA%'"), 1);
    EXPECT_EQ(count("Descripcion LIKE '[o-q]%[^x]'"), 1);
    EXPECT_EQ(count("Descripcion LIKE '[a-o]%'"), 0);
    EXPECT_EQ(count("Descripcion NOT LIKE '%[0-9]%'"), 1);
    EXPECT_EQ(count("Descripcion LIKE 'pi_a colad'"), 0);
}

// The search boxes' "(a LIKE p OR b LIKE p)", which SQLite matches in one call:
// a NULL column counts as OR counts it, also under NOT.
TEST_P(TsqlFunctionsTest, APatternInEitherOfTwoColumnsKeepsTheMeaningOfOr)
{
    connection.Execute("INSERT INTO V_TA_UNIDAD (IdUnidad, Descripcion) VALUES ('AZ', NULL), ('ZZ', NULL), "
                       "('XY', 'azúcar'), ('QQ', 'Otra')");
    const auto units = [&](const QString& condition) {
        QStringList found;
        for (auto rows = connection.Execute("SELECT IdUnidad FROM V_TA_UNIDAD WHERE " + condition
                                            + " ORDER BY IdUnidad");
             !rows.Eof(); rows.MoveNext()) {
            found << rows.Fields(0).Value().toText();
        }
        return found;
    };
    EXPECT_EQ(units("(Descripcion LIKE '%AZUCAR%' OR IdUnidad LIKE '%az%')"), QStringList({"AZ", "XY"}));
    EXPECT_EQ(units("NOT (Descripcion LIKE '%AZUCAR%' OR IdUnidad LIKE '%az%')"), QStringList({"QQ", "UN"}));
}

TEST(TsqlFunctions, CompatSqlDefinesTheFoldingFunctionAsTheProgramDoes)
{
    EXPECT_TRUE(GuionEsquema("compat.sql", kEsquemaPostgresql).contains(db::postgresLikeFoldDefinition() + ';'));
}

// Every character of Latin-1 and Latin Extended-A, where LIKE takes accents
// off, but the controls and the quote, which a literal doubles.
TEST_P(TsqlFunctionsTest, TsqlLikeFoldFoldsEveryLatinLetterAsLikeDoes)
{
    if (onSqlite()) GTEST_SKIP() << "SQLite folds in the program's own LIKE";
    QString letras;
    for (char16_t c = u' '; c < 0x180; ++c) {
        if (c != u'\'' && (c < 0x7F || c > 0x9F)) letras += QChar(c);
    }
    EXPECT_EQ(text("TSQL_LIKE_FOLD('" + letras + "')"), db::likeFoldedText(letras));
}

ON_EVERY_ENGINE(TsqlFunctionsTest);
