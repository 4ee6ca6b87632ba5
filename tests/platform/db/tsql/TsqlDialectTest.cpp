#include "platform/ErrorVB.h"
#include "platform/db/Dialect.h"
#include "platform/db/ErrorMap.h"
#include "support/ErrorNumber.h"
#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

// What the SQLite dialect makes of T-SQL text, checked on the exact statements.
// Inputs are the texts the system builds, with sample codes where it puts values.

namespace {

const QString kDatabase = QStringLiteral("EMP01");
const QString kTextComparison = QStringLiteral(" COLLATE NOCASE");

QStringList withComparisonMarkers(const QString& tsql) { return db::makeSqliteDialect()->translate(tsql, kDatabase); }

// Each test below looks at one rewrite; the marker that every compared text
// literal gets has tests of its own.
QStringList sqlite(const QString& tsql)
{
    return withComparisonMarkers(tsql).replaceInStrings(kTextComparison, QString());
}

// The one statement a batch gives.
QString translated(const QString& tsql)
{
    const QStringList statements = sqlite(tsql);
    EXPECT_EQ(statements.size(), 1) << statements.join("\n---\n").toStdString();
    return statements.value(0);
}

void expectRefused(const QString& tsql, const QString& construct)
{
    try {
        const QStringList statements = sqlite(tsql);
        ADD_FAILURE() << "translated " << tsql.toStdString() << " into " << statements.join(" | ").toStdString();
    } catch (const ErrorVB& error) {
        EXPECT_EQ(error.numero, db::ErrorMap::ErrorsInCommand);
        EXPECT_TRUE(error.descripcion.contains(construct)) << error.descripcion.toStdString();
    }
}

}  // namespace

TEST(TsqlBatch, SplitsAtALineBreakBeforeAStatementWord)
{
    EXPECT_EQ(sqlite("UPDATE T\nSET a = 1\nWHERE b = 'x'\r\nSELECT a\rFROM T\nDELETE T"),
              QStringList({"UPDATE T\nSET a = 1\nWHERE b = 'x'", "SELECT a\rFROM T", "DELETE FROM T"}));
}

TEST(TsqlBatch, SplitsTheTransactionalScriptIntoItsStatements)
{
    const QString script =
        "BEGIN TRANSACTION \r\r\rINSERT INTO Control_Acceso (Maquina,Usuario) VALUES ('PC1','ANA')"
        "\rUPDATE V_TA_TPV SET CONECTADO = 1 WHERE CODIGO = '0001'\r";
    EXPECT_EQ(sqlite(script),
              QStringList({"BEGIN TRANSACTION", "INSERT INTO Control_Acceso (Maquina,Usuario) VALUES ('PC1','ANA')",
                           "UPDATE V_TA_TPV SET CONECTADO = 1 WHERE CODIGO = '0001'"}));
}

TEST(TsqlBatch, KeepsLinesThatContinueTheStatement)
{
    EXPECT_EQ(sqlite("INSERT INTO T (a)\nSELECT b FROM U"), QStringList({"INSERT INTO T (a)\nSELECT b FROM U"}));
    EXPECT_EQ(sqlite("SELECT a FROM T\nUNION\nSELECT b FROM U"),
              QStringList({"SELECT a FROM T\nUNION\nSELECT b FROM U"}));
    EXPECT_EQ(sqlite("SELECT a FROM T WHERE a IN (\nSELECT b FROM U)"),
              QStringList({"SELECT a FROM T WHERE a IN (\nSELECT b FROM U)"}));
    EXPECT_EQ(sqlite("SELECT a FROM T WHERE a = 1 AND\nDELETE_FLAG = 0"),
              QStringList({"SELECT a FROM T WHERE a = 1 AND\nDELETE_FLAG = 0"}));
    EXPECT_EQ(sqlite("IF NOT EXISTS (SELECT 1 FROM T)\r\nDELETE U\r\nDELETE V"),
              QStringList({"DELETE FROM U WHERE NOT EXISTS (SELECT 1 FROM T)", "DELETE FROM V"}));
    EXPECT_EQ(sqlite("INSERT INTO T VALUES (1)\nSELECT a FROM T"),
              QStringList({"INSERT INTO T VALUES (1)", "SELECT a FROM T"}));
}

TEST(TsqlBatch, SplitsAtSemicolonsAndGoLinesButNotInsideLiterals)
{
    EXPECT_EQ(sqlite("DELETE T; SELECT ';\nSELECT'\nGO\nSELECT 1;;"),
              QStringList({"DELETE FROM T", "SELECT ';\nSELECT'", "SELECT 1"}));
    EXPECT_EQ(sqlite("SELECT GO FROM T\r\n  go  \r\nSELECT 2"), QStringList({"SELECT GO FROM T", "SELECT 2"}));
    EXPECT_EQ(sqlite("  \r\n ; "), QStringList());
}

TEST(TsqlBatch, DropsSetNocount)
{
    EXPECT_EQ(sqlite("SET NOCOUNT ON\r\nDELETE T\r\nset nocount off"), QStringList({"DELETE FROM T"}));
}

TEST(TsqlDialect, TopBecomesLimitAtTheEndOfItsSelect)
{
    EXPECT_EQ(translated("SELECT TOP 1 * FROM S_TA_EQUIV"), "SELECT * FROM S_TA_EQUIV LIMIT 1");
    EXPECT_EQ(translated("SELECT TOP 1  * FROM V_MA_ARTICULOS with(nolock)  WHERE LTRIM(RTRIM(Codigo)) ='123'"),
              "SELECT * FROM V_MA_ARTICULOS  WHERE LTRIM(RTRIM(Codigo)) ='123' LIMIT 1");
    EXPECT_EQ(translated("select  top 1 * from AUX_ERR  with(nolock) "), "select  * from AUX_ERR LIMIT 1");
    EXPECT_EQ(
        translated("SELECT TOP 1000 DESCRIPCION,IDARTICULO FROM VT_MA_ARTICULOS  with(nolock)  WHERE SUSPENDIDO = 0 "
                   "ORDER BY DESCRIPCION"),
        "SELECT DESCRIPCION,IDARTICULO FROM VT_MA_ARTICULOS  WHERE SUSPENDIDO = 0 ORDER BY DESCRIPCION LIMIT 1000");
    EXPECT_EQ(translated("SELECT DISTINCT TOP (5) a FROM T ORDER BY a"), "SELECT DISTINCT a FROM T ORDER BY a LIMIT 5");
    EXPECT_EQ(translated("INSERT INTO T (a) SELECT TOP 2 a FROM U"), "INSERT INTO T (a) SELECT a FROM U LIMIT 2");
}

TEST(TsqlDialect, TopOfASubqueryClosesBeforeItsParenthesisAndTop100PercentGoes)
{
    const QString families =
        "SELECT     TOP 100 PERCENT IdFamilia, Descripcion, "
        "(SELECT     TOP 1 idfamilia FROM v_ta_familias a  "
        " Where a.IdFamilia < b.IdFamilia And (Len(LTrim(RTrim(a.IdFamilia))) < Len(LTrim(RTrim(b.IdFamilia)))) "
        " ORDER BY idfamilia DESC) AS [relative] FROM dbo.V_TA_FAMILIAS b Where IdFamilia<>'' ORDER BY IdFamilia";
    EXPECT_EQ(translated(families),
              "SELECT     IdFamilia, Descripcion, "
              "(SELECT     idfamilia FROM v_ta_familias a  "
              " Where a.IdFamilia < b.IdFamilia And (Len(LTrim(RTrim(a.IdFamilia))) < Len(LTrim(RTrim(b.IdFamilia)))) "
              " ORDER BY idfamilia DESC LIMIT 1) AS \"relative\" FROM V_TA_FAMILIAS b Where IdFamilia<>'' ORDER BY "
              "IdFamilia");
}

TEST(TsqlDialect, LockingHintsGoInAnySpellingWithTheBlanksBeforeThem)
{
    EXPECT_EQ(translated("Select * from ta_usuarios  with(nolock)  where Nombre = 'ANA'"),
              "Select * from ta_usuarios  where Nombre = 'ANA'");
    EXPECT_EQ(
        translated("SELECT TA_TAREAS.USUARIO, TA_MENU.Proceso, TA_MENU.Clave , TA_MENU.Nombre  FROM TA_TAREAS  "
                   "with(nolock) INNER JOIN TA_MENU"
                   " ON TA_TAREAS.TAREA = TA_MENU.Clave  WHERE (TA_TAREAS.USUARIO = 'ANA ') AND (TA_MENU.Proceso LIKE "
                   "'%EQUIV%')"),
        "SELECT TA_TAREAS.USUARIO, TA_MENU.Proceso, TA_MENU.Clave , TA_MENU.Nombre  FROM TA_TAREAS INNER JOIN TA_MENU"
        " ON TA_TAREAS.TAREA = TA_MENU.Clave  WHERE (TA_TAREAS.USUARIO = 'ANA ') AND (TA_MENU.Proceso LIKE '%EQUIV%')");
    EXPECT_EQ(translated("SELECT a FROM T WITH (NOLOCK) WHERE a = 1"), "SELECT a FROM T WHERE a = 1");
    EXPECT_EQ(translated("SELECT a FROM T With ( NoLock , ReadPast )"), "SELECT a FROM T");
    EXPECT_EQ(translated("SELECT a FROM T with(nolock)JOIN U ON 1 = 1"), "SELECT a FROM T JOIN U ON 1 = 1");
}

TEST(TsqlDialect, DeleteGetsItsFrom)
{
    EXPECT_EQ(translated("DELETE S_TA_EQUIV WHERE PARATODOS = 1 AND IDUNIDAD = 'UN  ' AND IDUNIDAD_EQUIV = 'CJ  '"),
              "DELETE FROM S_TA_EQUIV WHERE PARATODOS = 1 AND IDUNIDAD = 'UN  ' AND IDUNIDAD_EQUIV = 'CJ  '");
    EXPECT_EQ(translated("delete dbo.T"), "delete FROM T");
    EXPECT_EQ(translated("DELETE FROM T WHERE a = 1"), "DELETE FROM T WHERE a = 1");
}

TEST(TsqlDialect, OwnerAndCurrentDatabaseAreDroppedFromNames)
{
    const QString generic =
        "SELECT dbo.S_TA_EQUIV.IDUNIDAD, dbo.V_TA_Unidad.Descripcion AS Descripcion, dbo.S_TA_EQUIV.IDUNIDAD_EQUIV, "
        "V_TA_Unidad1.Descripcion AS DescripcionEquiv, dbo.S_TA_EQUIV.COEFICIENTE FROM dbo.S_TA_EQUIV INNER JOIN "
        "dbo.V_TA_Unidad ON dbo.S_TA_EQUIV.IDUNIDAD = dbo.V_TA_Unidad.IdUnidad INNER  Join dbo.V_TA_Unidad "
        "V_TA_Unidad1 ON "
        "dbo.S_TA_EQUIV.IDUNIDAD_EQUIV = V_TA_Unidad1.IdUnidad Where (dbo.S_TA_EQUIV.ParaTodos = 1) "
        "GROUP BY dbo.S_TA_EQUIV.IDUNIDAD, dbo.V_TA_Unidad.Descripcion, dbo.S_TA_EQUIV.IDUNIDAD_EQUIV, "
        "V_TA_Unidad1.Descripcion , dbo.S_TA_EQUIV.COEFICIENTE ";
    EXPECT_EQ(translated(generic),
              "SELECT S_TA_EQUIV.IDUNIDAD, V_TA_Unidad.Descripcion AS Descripcion, S_TA_EQUIV.IDUNIDAD_EQUIV, "
              "V_TA_Unidad1.Descripcion AS DescripcionEquiv, S_TA_EQUIV.COEFICIENTE FROM S_TA_EQUIV INNER JOIN "
              "V_TA_Unidad ON S_TA_EQUIV.IDUNIDAD = V_TA_Unidad.IdUnidad INNER  Join V_TA_Unidad V_TA_Unidad1 ON "
              "S_TA_EQUIV.IDUNIDAD_EQUIV = V_TA_Unidad1.IdUnidad Where (S_TA_EQUIV.ParaTodos = 1) "
              "GROUP BY S_TA_EQUIV.IDUNIDAD, V_TA_Unidad.Descripcion, S_TA_EQUIV.IDUNIDAD_EQUIV, "
              "V_TA_Unidad1.Descripcion , S_TA_EQUIV.COEFICIENTE");
    EXPECT_EQ(translated("SELECT IDARTICULO,COEFICIENTE FROM [EMP01].DBO.S_TA_EQUIV WHERE IDARTICULO = 'A'"),
              "SELECT IDARTICULO,COEFICIENTE FROM S_TA_EQUIV WHERE IDARTICULO = 'A'");
    EXPECT_EQ(translated("SELECT emp01..T.a FROM emp01..T"), "SELECT T.a FROM T");
    EXPECT_EQ(translated("INSERT INTO [dbo].[V_TA_Input_Ventas] (IdMotivoVta) VALUES ('0001')"),
              "INSERT INTO \"V_TA_Input_Ventas\" (IdMotivoVta) VALUES ('0001')");
    EXPECT_EQ(
        translated("ALTER TABLE dbo.S_TA_EQUIV ADD Activo bit Not Null  CONSTRAINT DF_S_TA_EQUIV_Activo DEFAULT (1)"),
        "ALTER TABLE S_TA_EQUIV ADD Activo bit Not Null  CONSTRAINT DF_S_TA_EQUIV_Activo DEFAULT (1)");
}

TEST(TsqlDialect, TableDefinitionsCompareTextsWithoutCaseAndNumberTheirIdentityColumnAsTheRowId)
{
    EXPECT_EQ(
        withComparisonMarkers("CREATE TABLE T (ID int IDENTITY(1,1) PRIMARY KEY, a varchar(10) NOT NULL, b int)"),
        QStringList{"CREATE TABLE T (ID integer PRIMARY KEY AUTOINCREMENT, a varchar(10) COLLATE NOCASE NOT NULL, "
                    "b int)"});
    EXPECT_EQ(withComparisonMarkers("ALTER TABLE T ADD Nota char(4) NULL"),
              QStringList{"ALTER TABLE T ADD Nota char(4) COLLATE NOCASE NULL"});
    EXPECT_EQ(errorNumber([] { translated("CREATE TABLE T (ID int IDENTITY(1,1), a int)"); }),
              db::ErrorMap::ErrorsInCommand)
        << "SQLite numbers only its primary key";
}

TEST(TsqlDialect, BracketsBecomeDoubleQuotes)
{
    EXPECT_EQ(translated("SELECT [a b], [x]]y], [say \"hi\"], \"kept\" FROM [T]"),
              "SELECT \"a b\", \"x]y\", \"say \"\"hi\"\"\", \"kept\" FROM \"T\"");
}

TEST(TsqlDialect, NationalLiteralsLoseTheirPrefix)
{
    EXPECT_EQ(translated("SELECT a FROM T WHERE b = N'ñandú' OR c = n'x' OR N = 'y'"),
              "SELECT a FROM T WHERE b = 'ñandú' OR c = 'x' OR N = 'y'");
}

TEST(TsqlDialect, FunctionsThatSqliteSpellsOtherwiseAreRenamed)
{
    EXPECT_EQ(
        translated(
            "SELECT MAX(CODIGO) as CODIGO FROM V_TA_Unidad where (left(CODIGO,1) = ' ' or left(CODIGO,1) = '9') "),
        "SELECT MAX(CODIGO) as CODIGO FROM V_TA_Unidad where (TSQL_LEFT(CODIGO,1) = ' ' or TSQL_LEFT(CODIGO,1) = '9')");
    EXPECT_EQ(
        translated("SELECT ISNULL(a, 0), isnull (b,''), RIGHT(c, 2) FROM T LEFT OUTER JOIN U ON 1 = 1 WHERE d IS NULL"),
        "SELECT IFNULL(a, 0), IFNULL (b,''), TSQL_RIGHT(c, 2) FROM T LEFT OUTER JOIN U ON 1 = 1 WHERE d IS NULL");
    const QString registered =
        "SELECT LEN(a), DATALENGTH(b), CHARINDEX('x', c, 2), SUBSTRING(d, 1, 2), getDate() FROM T";
    EXPECT_EQ(translated(registered), registered);
}

TEST(TsqlDialect, OnePatternInSeveralColumnsIsMatchedInOneCall)
{
    EXPECT_EQ(translated("select top 100 D,C from T where (D like '%a%b%' or t.C like '%a%b%' ) and X = 0 order by D"),
              "select D,C from T where (TSQL_LIKE_ANY('%a%b%', D, t.C)) and X = 0 order by D LIMIT 100");
    const QStringList leftAlone{
        "SELECT D FROM T WHERE (D LIKE '%a%' OR C LIKE '%b%')",
        "SELECT D FROM T WHERE (D LIKE '%a%' AND C LIKE '%a%')",
        "SELECT D FROM T WHERE (X = 1 AND D LIKE '%a%' OR C LIKE '%a%')",
        "SELECT D FROM T WHERE (D LIKE '%a%' ESCAPE '!' OR C LIKE '%a%')",
        "SELECT D FROM T WHERE (D NOT LIKE '%a%' OR C LIKE '%a%')",
        "SELECT D FROM T WHERE (D LIKE '%a%')",
    };
    for (const QString& statement : leftAlone) EXPECT_EQ(translated(statement), statement);
}

TEST(TsqlDialect, PlusBetweenTextsBecomesConcatenation)
{
    const QString telephones =
        "SELECT CODIGO, (TELEFONO + ISNULL(' - ' + NULLIF(LTRIM(RTRIM(RAZON_SOCIAL)), ''), '')) AS TELEFONO FROM "
        "VT_CLIENTES";
    EXPECT_EQ(translated(telephones),
              "SELECT CODIGO, (TELEFONO || IFNULL(' - ' || NULLIF(LTRIM(RTRIM(RAZON_SOCIAL)), ''), '')) AS TELEFONO "
              "FROM VT_CLIENTES");
    EXPECT_EQ(
        translated(
            "SELECT a + 'x' + b, LTRIM(a) + b, CASE WHEN a = 1 THEN 'y' END + b, b + CAST(n AS varchar(10)) FROM T"),
        "SELECT a || 'x' || b, LTRIM(a) || b, CASE WHEN a = 1 THEN 'y' END || b, b || CAST(n AS varchar(10)) FROM T");
}

TEST(TsqlDialect, PlusWithANumberStaysAddition)
{
    const QString arithmetic = "UPDATE T SET n = n + 1, m = 2 * m + n, k = k - j + i, s = '2' + 3, t = -t + u";
    EXPECT_EQ(translated(arithmetic), arithmetic);
}

TEST(TsqlDialect, PlusBetweenUntypedTermsCallsTheAdditionFunction)
{
    EXPECT_EQ(translated("SELECT  Nombre, Domicilio, Cliente + Codigo + Sucursal AS Id From ma_destinatarios WHERE "
                         "Nombre LIKE '%AV%'  "),
              "SELECT  Nombre, Domicilio, TSQL_ADD(TSQL_ADD(Cliente, Codigo), Sucursal) AS Id From ma_destinatarios "
              "WHERE Nombre LIKE '%AV%'");
    EXPECT_EQ(translated("SELECT a.x+b.y FROM a, b WHERE (c + d) > 0"),
              "SELECT TSQL_ADD(a.x,b.y) FROM a, b WHERE (TSQL_ADD(c, d)) > 0");
}

TEST(TsqlDialect, IfExistsIsFoldedIntoTheStatement)
{
    EXPECT_EQ(translated("IF NOT EXISTS(SELECT 1 FROM TA_CONFIGURACION WHERE CLAVE = 'QUROCORE_IDBASE') "
                         "INSERT INTO TA_CONFIGURACION (GRUPO, CLAVE, VALOR) VALUES ('DATOS', 'QUROCORE_IDBASE', '7')"),
              "INSERT INTO TA_CONFIGURACION (GRUPO, CLAVE, VALOR) SELECT 'DATOS', 'QUROCORE_IDBASE', '7' "
              "WHERE NOT EXISTS (SELECT 1 FROM TA_CONFIGURACION WHERE CLAVE = 'QUROCORE_IDBASE')");
    EXPECT_EQ(translated("IF EXISTS (SELECT 1 FROM T with(nolock)) UPDATE U SET a = 1 WHERE b = 2 OR c = 3"),
              "UPDATE U SET a = 1 WHERE EXISTS (SELECT 1 FROM T) AND (b = 2 OR c = 3)");
    EXPECT_EQ(translated("if exists (select 1 from T) delete U"), "delete FROM U WHERE EXISTS (select 1 from T)");
}

TEST(TsqlDialect, TransactionStatementsUseTheSpellingTheEnginesShare)
{
    EXPECT_EQ(sqlite("BEGIN TRAN\nCOMMIT TRAN\nBEGIN TRANSACTION guardar\nROLLBACK\ncommit transaction\nrollback tran"),
              QStringList({"BEGIN TRANSACTION", "COMMIT TRANSACTION", "BEGIN TRANSACTION", "ROLLBACK TRANSACTION",
                           "COMMIT TRANSACTION", "ROLLBACK TRANSACTION"}));
}

TEST(TsqlDialect, LiteralsAreNeverRewritten)
{
    const QString literal = "'TOP 5 with(nolock) dbo.T [a] ISNULL(x) LEFT(y) a + b N''z'' DELETE T;\r\nSELECT 1'";
    EXPECT_EQ(translated("SELECT " + literal + ", 'it''s' FROM T"), "SELECT " + literal + ", 'it''s' FROM T");
    EXPECT_EQ(translated("INSERT INTO T (a) VALUES ('IF NOT EXISTS (x) GO')"),
              "INSERT INTO T (a) VALUES ('IF NOT EXISTS (x) GO')");
}

TEST(TsqlDialect, StatementsWithoutTSqlConstructsPassAsTheyAre)
{
    const QString update =
        "UPDATE V_TA_TPV SET CONECTADO = 0, ULTIMA_DETECCION = '31/12/2025 10:30:00' WHERE CODIGO = '0001'";
    EXPECT_EQ(translated(update), update);
    EXPECT_EQ(translated("select  getDate() as fecha"), "select  getDate() as fecha");
}

TEST(TsqlDialect, RefusesWhatItCannotTranslateNamingIt)
{
    expectRefused("SELECT CONVERT(varchar(10), GETDATE(), 103) FROM T", "CONVERT");
    expectRefused("SELECT DATEADD(day, 1, a) FROM T", "DATEADD");
    expectRefused("SELECT TOP 10 PERCENT a FROM T", "TOP 10 PERCENT");
    expectRefused("SELECT TOP 5 WITH TIES a FROM T ORDER BY a", "WITH TIES");
    expectRefused("SELECT TOP (@n) a FROM T", "variable @n");
    expectRefused("SELECT TOP (n + 1) a FROM T", "TOP with an expression");
    expectRefused("SELECT TOP 5 a FROM T UNION SELECT b FROM U", "UNION");
    expectRefused("UPDATE TOP (5) T SET a = 1", "UPDATE TOP");
    expectRefused("DELETE T FROM T INNER JOIN U ON T.a = U.a", "DELETE ... FROM");
    expectRefused("SELECT * FROM OTRA.dbo.T", "name in another database OTRA.dbo.T");
    expectRefused("SELECT * FROM SRV.EMP01.dbo.T", "linked-server name");
    expectRefused("SELECT * FROM #temporal", "#");
    expectRefused("SELECT * FROM T WITH (INDEX(ix_a))", "table hint INDEX");
    expectRefused("SET DATEFORMAT dmy", "SET DATEFORMAT");
    expectRefused("BEGIN\nDELETE T\nEND", "BEGIN ... END");
    expectRefused("ROLLBACK TRANSACTION punto", "savepoint");
    expectRefused("SAVE TRANSACTION punto", "SAVE TRANSACTION");
    expectRefused("IF @@ROWCOUNT = 0 DELETE T", "variable @@ROWCOUNT");
    expectRefused("IF (SELECT COUNT(*) FROM T) = 0 DELETE T", "IF without EXISTS");
    expectRefused("IF NOT EXISTS (SELECT 1 FROM T) INSERT INTO T (a) SELECT a FROM U", "INSERT ... SELECT");
    expectRefused("IF NOT EXISTS (SELECT 1 FROM T) DELETE U ELSE DELETE V", "IF ... ELSE");
    expectRefused("SELECT 'sin cerrar FROM T", "unterminated string literal");
    expectRefused("SELECT (a FROM T", "unbalanced parentheses");
}

TEST(TsqlTextComparison, TextsComparedOnEitherSideIgnoreCase)
{
    EXPECT_EQ(withComparisonMarkers("SELECT * FROM T WHERE LTRIM(RTRIM(C)) ='un' AND 'X' <> D AND E >= 'a'"),
              QStringList{"SELECT * FROM T WHERE LTRIM(RTRIM(C)) ='un' COLLATE NOCASE AND 'X' COLLATE NOCASE <> D "
                          "AND E >= 'a' COLLATE NOCASE"});
    EXPECT_EQ(withComparisonMarkers("UPDATE T SET A = 1 WHERE B = 'y' OR 'z' < C"),
              QStringList{"UPDATE T SET A = 1 WHERE B = 'y' COLLATE NOCASE OR 'z' COLLATE NOCASE < C"});
}

TEST(TsqlTextComparison, LiteralsThatAreNotComparedStayAsTheyAre)
{
    EXPECT_EQ(withComparisonMarkers("INSERT INTO T (A, B) VALUES ('x', 'y')"),
              QStringList{"INSERT INTO T (A, B) VALUES ('x', 'y')"});
    EXPECT_EQ(withComparisonMarkers("SELECT 'a' || C AS D FROM T WHERE C LIKE 'b%'"),
              QStringList{"SELECT 'a' || C AS D FROM T WHERE C LIKE 'b%'"});
}

TEST(TsqlTextComparison, ValuesAssignedByUpdateAreNotComparisons)
{
    EXPECT_EQ(withComparisonMarkers(
                  "UPDATE T SET A = 'x', B= CASE WHEN C = 'y' THEN 'z' END,D=(SELECT 1 WHERE E = 'w') WHERE F = 'v'"),
              QStringList{"UPDATE T SET A = 'x', B= CASE WHEN C = 'y' COLLATE NOCASE THEN 'z' END,D=(SELECT 1 WHERE E "
                          "= 'w' COLLATE NOCASE) "
                          "WHERE F = 'v' COLLATE NOCASE"});
    EXPECT_EQ(withComparisonMarkers("UPDATE T SET T.A = 'x' FROM T INNER JOIN U ON U.K = 'k'"),
              QStringList{"UPDATE T SET T.A = 'x' FROM T INNER JOIN U ON U.K = 'k' COLLATE NOCASE"});
    EXPECT_EQ(withComparisonMarkers("SELECT A FROM T WHERE A = 'x'"),
              QStringList{"SELECT A FROM T WHERE A = 'x' COLLATE NOCASE"});
}
