#include "platform/db/Dialect.h"
#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

// What the PostgreSQL dialect makes of T-SQL text, checked on the exact
// statements; the rewrites every engine shares are checked in TsqlDialectTest.
// Inputs are the texts the system builds, with sample codes where it puts values.

namespace {

const QString kDatabase = QStringLiteral("EMP01");

// The one statement a batch gives.
QString postgres(const QString& tsql)
{
    const QStringList statements = db::makePostgresDialect()->translate(tsql, kDatabase);
    EXPECT_EQ(statements.size(), 1) << statements.join("\n---\n").toStdString();
    return statements.value(0);
}

}  // namespace

TEST(PostgresDialect, IsnullBecomesCoalesceAndReplaceTheCaseInsensitiveOne)
{
    EXPECT_EQ(postgres("SELECT ISNULL(a, 0), isnull (b,''), REPLACE(c, 'x', '') FROM T WHERE d IS NULL"),
              "SELECT COALESCE(a, 0), COALESCE (b,''), TSQL_REPLACE(c, 'x', '') FROM T WHERE d IS NULL");
    const QString kept =
        "SELECT LEN(a), DATALENGTH(b), CHARINDEX('x', c), CHARINDEX('x', c, 2), getDate(), T.REPLACE(e) FROM T";
    EXPECT_EQ(postgres(kept), kept);
}

TEST(PostgresDialect, PlusOfUnknownTermsCallsTsqlAddAndOfTextsConcatenates)
{
    EXPECT_EQ(postgres("SELECT  Nombre, Domicilio, Cliente + Codigo + Sucursal AS Id From ma_destinatarios"),
              "SELECT  Nombre, Domicilio, TSQL_ADD(TSQL_ADD(Cliente, Codigo), Sucursal) AS Id From ma_destinatarios");
    EXPECT_EQ(postgres("SELECT CODIGO, (TELEFONO + ISNULL(' - ' + NULLIF(LTRIM(RTRIM(RAZON_SOCIAL)), ''), '')) AS "
                       "TELEFONO FROM VT_CLIENTES"),
              "SELECT CODIGO, (TELEFONO || COALESCE(' - ' || NULLIF(LTRIM(RTRIM(RAZON_SOCIAL)), ''), '')) AS TELEFONO "
              "FROM VT_CLIENTES");
    EXPECT_EQ(postgres("UPDATE T SET n = n + 1"), "UPDATE T SET n = n + 1");
}

TEST(PostgresDialect, ComparedLiteralsLoseTrailingBlanks)
{
    EXPECT_EQ(
        postgres("SELECT TA_TAREAS.USUARIO FROM TA_TAREAS WHERE (TA_TAREAS.USUARIO = 'ANA ') AND 'UN  ' <> IDUNIDAD"),
        "SELECT TA_TAREAS.USUARIO FROM TA_TAREAS WHERE (TA_TAREAS.USUARIO = 'ANA') AND 'UN' <> IDUNIDAD");
    EXPECT_EQ(postgres("SELECT * FROM V_TA_FAMILIAS WHERE IdFamilia<>'' AND IdFamilia >= '   ' AND Codigo = '  12'"),
              "SELECT * FROM V_TA_FAMILIAS WHERE IdFamilia<>'' AND IdFamilia >= '' AND Codigo = '  12'");
}

TEST(PostgresDialect, LiteralsThatAreNotComparedKeepTheirBlanks)
{
    const QString insert = "INSERT INTO V_MV_CPTEACCIONES (TC,Proceso) VALUES ('    ','Equivalencias ')";
    EXPECT_EQ(postgres(insert), insert);
    EXPECT_EQ(postgres("UPDATE T SET A = 'x  ',B='  ' WHERE C = 'y  '"), "UPDATE T SET A = 'x  ',B='  ' WHERE C = 'y'");
    EXPECT_EQ(postgres("SELECT 'a  ' || b FROM T"), "SELECT 'a  ' || b FROM T");
}

TEST(PostgresDialect, TextFunctionsComparedWithALiteralLoseTrailingBlanksToo)
{
    EXPECT_EQ(postgres("SELECT MAX(IdUnidad) as IdUnidad FROM V_TA_Unidad where (left(IdUnidad,1) = ' ' or "
                       "left(IdUnidad,1) = '9') "),
              "SELECT MAX(IdUnidad) as IdUnidad FROM V_TA_Unidad where (RTRIM(left(IdUnidad,1)) = '' or "
              "RTRIM(left(IdUnidad,1)) = '9')");
    EXPECT_EQ(
        postgres("SELECT * FROM V_MA_ARTICULOS WHERE substring(ltrim(idarticulo),1,1)<>'0' AND ' ' = RIGHT(a, 2)"),
        "SELECT * FROM V_MA_ARTICULOS WHERE RTRIM(substring(ltrim(idarticulo),1,1))<>'0' AND '' = RTRIM(RIGHT(a, 2))");
    EXPECT_EQ(postgres("SELECT * FROM T WHERE REPLACE(a, 'x', '') = 'b'"),
              "SELECT * FROM T WHERE RTRIM(TSQL_REPLACE(a, 'x', '')) = 'b'");
}

TEST(PostgresDialect, ColumnsAndOtherFunctionsComparedWithALiteralStayBare)
{
    const QString kept =
        "SELECT * FROM T WHERE IDUNIDAD = 'UN' AND T.a = 'x' AND LEN(b) > '3' AND COUNT(c) = '0' AND d = LEFT(e, 1)";
    EXPECT_EQ(postgres(kept), kept);
}

TEST(PostgresDialect, LikeWithALiteralPatternBecomesACaseInsensitiveRegularExpression)
{
    EXPECT_EQ(postgres("SELECT a FROM T WHERE (LTRIM(TA_MENU.Proceso) LIKE '%P:\\QBM\\%') AND LTRIM(b) like "
                       "'B''MX_[0-9]' ESCAPE '!'"),
              "SELECT a FROM T WHERE (LTRIM(TA_MENU.Proceso) COLLATE exacta ~* '^.*p:\\\\qbm\\\\.*$') AND LTRIM(b) "
              "COLLATE exacta ~* '^b''mx.[0-9]$'");
    EXPECT_EQ(postgres("SELECT a FROM T WHERE RTRIM(b) LIKE '10!%%' ESCAPE '!'"),
              "SELECT a FROM T WHERE RTRIM(b) COLLATE exacta ~* '^10%.*$'");
}

// A trigram index of the folded column serves the folded LIKE; a scan tests
// the regular expression before it.
TEST(PostgresDialect, AColumnMatchedByAPatternWithATrigramIsAlsoComparedFolded)
{
    EXPECT_EQ(postgres("SELECT top 1000 V_MA_ARTICULOS.DESCRIPCION,V_MA_ARTICULOS.IDARTICULO FROM V_MA_ARTICULOS "
                       "with(nolock)   WHERE "
                       "V_MA_ARTICULOS.DESCRIPCION LIKE '%bmx%' "),
              "SELECT V_MA_ARTICULOS.DESCRIPCION,V_MA_ARTICULOS.IDARTICULO FROM V_MA_ARTICULOS   WHERE "
              "(V_MA_ARTICULOS.DESCRIPCION COLLATE exacta ~* '^.*bmx.*$' AND "
              "TSQL_LIKE_FOLD(V_MA_ARTICULOS.DESCRIPCION) COLLATE \"C\" LIKE '%bmx%') LIMIT 1000");
    EXPECT_EQ(postgres("SELECT a FROM T WHERE (TA_MENU.Proceso LIKE '%P:\\QBM\\%' or [Cod] LIKE 'x[_]1!%' ESCAPE '!') "
                       "AND NOT b LIKE 'Ó''N%'"),
              "SELECT a FROM T WHERE ((TA_MENU.Proceso COLLATE exacta ~* '^.*p:\\\\qbm\\\\.*$' AND "
              "TSQL_LIKE_FOLD(TA_MENU.Proceso) COLLATE \"C\" LIKE '%p:\\\\qbm\\\\%') or (\"cod\" COLLATE exacta ~* "
              "'^x[_]1%$' AND TSQL_LIKE_FOLD(\"cod\") COLLATE \"C\" LIKE 'x\\_1\\%')) AND NOT (b COLLATE exacta ~* "
              "'^[oòóôõöōŏő]''[nńņň].*$' AND TSQL_LIKE_FOLD(b) COLLATE \"C\" LIKE 'o''n%')");
}

TEST(PostgresDialect, WithoutATrigramASetOrAColumnTheRegularExpressionStays)
{
    EXPECT_EQ(postgres("SELECT a FROM T WHERE c LIKE 'p[ab]x' AND d + e LIKE 'qrs' AND f LIKE '%ab%'"),
              "SELECT a FROM T WHERE c COLLATE exacta ~* '^p[ab]x$' AND TSQL_ADD(d, e) COLLATE exacta ~* "
              "'^q[rŕŗř][sśŝşš]$' AND f COLLATE exacta ~* '^.*[aàáâãäåāăą]b.*$'");
}

TEST(PostgresDialect, NotLikeBecomesTheNegatedMatch)
{
    EXPECT_EQ(postgres("SELECT CODIGO FROM VT_CLIENTES WHERE TELEFONO IS NOT NULL AND TELEFONO NOT LIKE '%[a-zA-Z]%' "
                       "AND CODIGO > 'A'"),
              "SELECT CODIGO FROM VT_CLIENTES WHERE TELEFONO IS NOT NULL AND TELEFONO COLLATE exacta !~* "
              "'^.*[a-za-z].*$' AND CODIGO > 'A'");
}

TEST(PostgresDialect, LikeWithAnyOtherPatternBecomesIlike)
{
    EXPECT_EQ(postgres("SELECT a FROM T WHERE b LIKE c AND d NOT LIKE '%' + e ESCAPE '!'"),
              "SELECT a FROM T WHERE b COLLATE exacta ILIKE c AND d COLLATE exacta NOT ILIKE '%' || e ESCAPE '!'");
}

TEST(PostgresDialect, BracketedNamesAreQuotedInLowerCase)
{
    EXPECT_EQ(postgres("SELECT IdFamilia AS [relative], [Mi Columna] FROM [dbo].[V_TA_Input_Ventas]"),
              "SELECT IdFamilia AS \"relative\", \"mi columna\" FROM \"v_ta_input_ventas\"");
}

TEST(PostgresDialect, TableDefinitionsGetPostgresTypesAndTextsTheCaseInsensitiveCollation)
{
    EXPECT_EQ(
        postgres("ALTER TABLE dbo.S_TA_EQUIV ADD Activo bit Not Null  CONSTRAINT DF_S_TA_EQUIV_Activo DEFAULT (1)"),
        "ALTER TABLE S_TA_EQUIV ADD Activo smallint Not Null  CONSTRAINT DF_S_TA_EQUIV_Activo DEFAULT (1)");
    EXPECT_EQ(postgres("ALTER TABLE T ADD Nota varchar(100) NULL"),
              "ALTER TABLE T ADD Nota varchar(100) COLLATE ci NULL");
    EXPECT_EQ(
        postgres(
            "CREATE TABLE T (a varchar(20) NOT NULL, b nvarchar(10), c char(4), d text, e ntext, f nchar(2), g money, "
            "h smallmoney, i datetime, j smalldatetime, k tinyint, l image, m uniqueidentifier, n int, o "
            "numeric(18,6))"),
        "CREATE TABLE T (a varchar(20) COLLATE ci NOT NULL, b varchar(10) COLLATE ci, c char(4) COLLATE ci, d text "
        "COLLATE ci, "
        "e text COLLATE ci, f char(2) COLLATE ci, g numeric(19,4), h numeric(10,4), i timestamp, j timestamp, k "
        "smallint, "
        "l bytea, m uuid, n int, o numeric(18,6))");
}

TEST(PostgresDialect, AColumnTheDatabaseNumbersIsAnIdentityColumn)
{
    EXPECT_EQ(postgres("CREATE TABLE T (ID int IDENTITY(1,1) PRIMARY KEY, a varchar(10))"),
              "CREATE TABLE T (ID int GENERATED BY DEFAULT AS IDENTITY PRIMARY KEY, a varchar(10) COLLATE ci)");
}

TEST(PostgresDialect, TypeNamesOutsideTableDefinitionsStay)
{
    const QString cast = "SELECT CAST(n AS varchar(10)), CAST(m AS money) FROM T";
    EXPECT_EQ(postgres(cast), cast);
}
