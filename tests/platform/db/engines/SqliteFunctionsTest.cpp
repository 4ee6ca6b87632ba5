#include "platform/db/MemoryDatabase.h"
#include "platform/db/engines/SqliteFragments.h"
#include "support/QStringPrinter.h"

#include <QDateTime>

#include <gtest/gtest.h>

#include <stdexcept>

// The T-SQL functions registered on SQLite, called through SQL as statements do.

namespace {

class SqliteFunctions : public ::testing::Test {
protected:
    // The single value a SQLite expression gives.
    QString value(const QString& expression) { return database.native("SELECT " + expression).at(0).at(0); }

    MemoryDatabase database;
};

const QString& kNull = MemoryDatabase::Null;

}  // namespace

TEST_F(SqliteFunctions, GetDateIsTheLocalTimeAsText)
{
    const QString now = value("GETDATE()");
    const QDateTime read = QDateTime::fromString(now, "yyyy-MM-dd HH:mm:ss");
    ASSERT_TRUE(read.isValid()) << now.toStdString();
    EXPECT_LT(std::abs(read.secsTo(QDateTime::currentDateTime())), 60);
}

TEST_F(SqliteFunctions, LenCountsCharactersWithoutTrailingBlanks)
{
    EXPECT_EQ(value("LEN('ab  ')"), "2");
    EXPECT_EQ(value("LEN('  ab')"), "4");
    EXPECT_EQ(value("LEN('ñandú ')"), "5");
    EXPECT_EQ(value("LEN('')"), "0");
    EXPECT_EQ(value("LEN(NULL)"), kNull);
}

TEST_F(SqliteFunctions, DataLengthCountsBytesOfSingleByteTexts)
{
    EXPECT_EQ(value("DATALENGTH('ab  ')"), "4");
    EXPECT_EQ(value("DATALENGTH('ñandú')"), "5");
    EXPECT_EQ(value("DATALENGTH(x'010203')"), "3");
    EXPECT_EQ(value("DATALENGTH(12)"), "8");
    EXPECT_EQ(value("DATALENGTH(NULL)"), kNull);
}

TEST_F(SqliteFunctions, CharIndexIsOneBasedCaseBlindAndZeroWhenAbsent)
{
    EXPECT_EQ(value("CHARINDEX('c', 'abcabc')"), "3");
    EXPECT_EQ(value("CHARINDEX('C', 'abcabc')"), "3");
    EXPECT_EQ(value("CHARINDEX('c', 'abcabc', 4)"), "6");
    EXPECT_EQ(value("CHARINDEX('a', 'abc', 0)"), "1");
    EXPECT_EQ(value("CHARINDEX('a', 'abc', 9)"), "0");
    EXPECT_EQ(value("CHARINDEX('x', 'abc')"), "0");
    EXPECT_EQ(value("CHARINDEX('', 'abc')"), "0");
    EXPECT_EQ(value("CHARINDEX(NULL, 'abc')"), kNull);
}

TEST_F(SqliteFunctions, SubstringCountsPositionsBeforeTheFirst)
{
    EXPECT_EQ(value("SUBSTRING('abcdef', 2, 3)"), "bcd");
    EXPECT_EQ(value("SUBSTRING('abc', 0, 2)"), "a");
    EXPECT_EQ(value("SUBSTRING('abc', -1, 3)"), "a");
    EXPECT_EQ(value("SUBSTRING('abc', 5, 2)"), "");
    EXPECT_EQ(value("SUBSTRING('abc', NULL, 2)"), kNull);
    EXPECT_THROW(value("SUBSTRING('abc', 1, -1)"), std::runtime_error);
}

TEST_F(SqliteFunctions, LeftAndRightTakeAtMostTheText)
{
    EXPECT_EQ(value("TSQL_LEFT('abc', 2)"), "ab");
    EXPECT_EQ(value("TSQL_RIGHT('abc', 2)"), "bc");
    EXPECT_EQ(value("TSQL_LEFT('abc', 9)"), "abc");
    EXPECT_EQ(value("TSQL_RIGHT(NULL, 1)"), kNull);
    EXPECT_THROW(value("TSQL_LEFT('abc', -1)"), std::runtime_error);
}

TEST_F(SqliteFunctions, AdditionJoinsTwoTextsAndAddsAnythingElse)
{
    database.native("CREATE TABLE T (texto TEXT, numero INTEGER); INSERT INTO T VALUES ('12', 3)");
    EXPECT_EQ(
        database.native("SELECT TSQL_ADD(texto, texto), TSQL_ADD(texto, numero), TSQL_ADD(numero, numero) FROM T"),
        MemoryDatabase::Rows({{"1212", "15", "6"}}));
    EXPECT_EQ(value("TSQL_ADD(1.5, 1)"), "2.5");
    EXPECT_EQ(value("TSQL_ADD('a', NULL)"), kNull);
    EXPECT_THROW(value("TSQL_ADD('a', 1)"), std::runtime_error);
}

TEST_F(SqliteFunctions, UpperLowerAndReplaceTreatEveryLetterAlike)
{
    EXPECT_EQ(value("UPPER('ñandú')"), "ÑANDÚ");
    EXPECT_EQ(value("LOWER('ÑANDÚ')"), "ñandú");
    EXPECT_EQ(value("REPLACE('Abcabc', 'B', 'x')"), "Axcaxc");
    EXPECT_EQ(value("REPLACE('abc', '', 'x')"), "abc");
}

TEST_F(SqliteFunctions, LikeReadsTSqlPatterns)
{
    EXPECT_EQ(value("'4521-3344' NOT LIKE '%[a-zA-Z]%'"), "1");
    EXPECT_EQ(value("'4521-AB' NOT LIKE '%[a-zA-Z]%'"), "0");
    EXPECT_EQ(value("'ÑANDÚ' LIKE 'ñan%'"), "1");
    EXPECT_EQ(value("'50%' LIKE '50!%' ESCAPE '!'"), "1");
    EXPECT_EQ(value("'500' LIKE '50!%' ESCAPE '!'"), "0");
    EXPECT_EQ(value("NULL LIKE '%'"), kNull);
    EXPECT_EQ(value("'Azúcar' LIKE 'AZÚCAR'"), "1");
    EXPECT_EQ(value("'Azúcar' LIKE 'AZUCAR'"), "1") << "a search ignores accents";
    EXPECT_EQ(value("'Año' LIKE 'ano'"), "0") << "but the ñ is a letter of its own";
}

TEST_F(SqliteFunctions, LikeReadsEachRowsOwnPatternWhenThePatternIsAColumn)
{
    database.native(
        "CREATE TABLE P (texto TEXT, patron TEXT); INSERT INTO P VALUES ('abc', 'a%'), ('abc', 'b%'), "
        "('xbc', '_b%'), ('a%', 'a!%')");
    EXPECT_EQ(database.native("SELECT texto LIKE patron FROM P"), MemoryDatabase::Rows({{"1"}, {"0"}, {"1"}, {"0"}}));
    EXPECT_EQ(database.native("SELECT texto LIKE patron ESCAPE '!' FROM P"),
              MemoryDatabase::Rows({{"1"}, {"0"}, {"1"}, {"1"}}));
}

TEST_F(SqliteFunctions, NocaseColumnsCompareAsSqlServerDoes)
{
    database.native("CREATE TABLE U (nombre TEXT COLLATE NOCASE); INSERT INTO U VALUES ('Ana'), ('ÑANDÚ'), ('ana  ')");
    EXPECT_EQ(database.native("SELECT count(*) FROM U WHERE nombre = 'ANA '"), MemoryDatabase::Rows({{"2"}}));
    EXPECT_EQ(database.native("SELECT count(*) FROM U WHERE nombre = 'ñandú'"), MemoryDatabase::Rows({{"1"}}));
    EXPECT_EQ(database.native("SELECT count(DISTINCT nombre) FROM U"), MemoryDatabase::Rows({{"2"}}));
    // Long runs of equal bytes, as in codes padded with blanks, before the difference.
    database.native(
        "CREATE TABLE C (codigo TEXT COLLATE NOCASE); INSERT INTO C VALUES ('          ABC-12'), "
        "('          abc-11'), ('PROVEEDOR DE ÑANDÚ'), ('proveedor de ñandú  ')");
    EXPECT_EQ(database.native("SELECT count(*) FROM C WHERE codigo = '          abc-12'"),
              MemoryDatabase::Rows({{"1"}}));
    EXPECT_EQ(database.native("SELECT codigo FROM C WHERE codigo < 'PROVEEDOR' ORDER BY codigo"),
              MemoryDatabase::Rows({{"          abc-11"}, {"          ABC-12"}}));
    EXPECT_EQ(database.native("SELECT count(DISTINCT codigo) FROM C"), MemoryDatabase::Rows({{"3"}}));
}

// What a search index keeps of a row's texts: every run of one to three
// characters between blanks, folded as LIKE compares, each as the token that
// SQLite's "ascii" tokenizer keeps whole (its UTF-8 bytes in hexadecimal).
// A query's run gives the same token.
TEST_F(SqliteFunctions, LikeFragmentsAreTheFoldedRunsOfEachTextBetweenBlanks)
{
    EXPECT_EQ(value("LIKE_FRAGMENTS('Ab c')"), "61 62 6162 63 ");
    EXPECT_EQ(value("LIKE_FRAGMENTS('ÁÑo', NULL, 'x-1')"),
              "61 c3b1 61c3b1 6f c3b16f 61c3b16f 78 2d 782d 31 2d31 782d31 ");
    EXPECT_EQ(value("LIKE_FRAGMENTS(NULL)"), "");
    EXPECT_EQ(db::fragmentToken(u"añO"), "61c3b16f");
}
