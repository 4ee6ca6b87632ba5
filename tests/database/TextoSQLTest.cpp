#include "database/TextoSQL.h"
#include "platform/ErrorVB.h"

#include <sqlite3.h>

#include <functional>
#include <set>

#include "support/ErrorNumber.h"

#include <gtest/gtest.h>

namespace {

QString texto(const Variant& valor) { return valor.toText(); }

// What an SQL engine reads back from "SELECT <literal>".
QString leidoPorSQLite(const QString& literal)
{
    sqlite3* base = nullptr;
    sqlite3_open(":memory:", &base);
    sqlite3_stmt* sentencia = nullptr;
    QString leido = "<no es una sola expresion>";
    const QByteArray sql = ("SELECT " + literal).toUtf8();
    const char* sobrante = nullptr;
    if (sqlite3_prepare_v2(base, sql.constData(), -1, &sentencia, &sobrante) == SQLITE_OK && *sobrante == '\0'
        && sqlite3_step(sentencia) == SQLITE_ROW) {
        leido = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(sentencia, 0)));
    }
    sqlite3_finalize(sentencia);
    sqlite3_close(base);
    return leido;
}

}  // namespace

TEST(SQLValue, QuotedTextKeepsEveryCharacterOfTheValue)
{
    EXPECT_EQ(texto(SQLValue("KILOS")), "'KILOS'");
    EXPECT_EQ(texto(SQLValue("  a  b ", "'")), "'  a  b '");
    EXPECT_EQ(texto(SQLValue("O'Brien")), "'O''Brien'");
    EXPECT_EQ(texto(SQLValue("''")), "''''''");
    EXPECT_EQ(SQLValue("abc").type(), Variant::Type::Text);
}

TEST(SQLValue, AQuoteInsideTheValueCannotEndTheLiteral)
{
    for (const QString valor : {"O'Brien", "x'; DELETE FROM S_TA_EQUIV; --", "' OR '1'='1", "'", "a''b"}) {
        EXPECT_EQ(leidoPorSQLite(texto(SQLValue(valor))), valor) << valor.toStdString();
    }
}

TEST(SQLValue, NullIsTheBareWordExceptForNumbers)
{
    EXPECT_EQ(texto(SQLValue(Variant::null())), "NULL");
    EXPECT_EQ(texto(SQLValue(Variant::null(), "")), "NULL");
    EXPECT_EQ(texto(SQLValue(Variant::null(), "@")), "0");
}

TEST(SQLValue, OtherMarkersWriteTheValueBare)
{
    EXPECT_EQ(texto(SQLValue("getDate()", "")), "getDate()");
    EXPECT_EQ(texto(SQLValue(Variant(12), "#")), "12");
}

TEST(SQLValue, NumbersAlwaysUseThePointAsDecimalSeparator)
{
    EXPECT_EQ(texto(SQLValue("1,5", "@")), "1.5");
    EXPECT_EQ(texto(SQLValue("1.5", "@")), "1.5");
    EXPECT_EQ(texto(SQLValue(" 1.234,56 ", "@")), "1234.56");
    EXPECT_EQ(texto(SQLValue("-0,25", "@")), "-0.25");
    EXPECT_EQ(texto(SQLValue("0,12345", "@")), "0.1235");
    EXPECT_EQ(texto(SQLValue("", "@")), "0");
    EXPECT_EQ(texto(SQLValue(Variant(2.5), "@")), "2.5");
    EXPECT_EQ(texto(SQLValue(Variant(1000), "@")), "1000");
    EXPECT_EQ(texto(SQLValue(Variant(0.00001), "@")), "0");
    EXPECT_EQ(texto(SQLValue(Variant(0.0002), "@")), "0.0002");
}

TEST(SQLValue, TextThatIsNotANumberRaisesTypeMismatch)
{
    EXPECT_EQ(errorNumber([] { SQLValue("abc", "@"); }), 13);
    EXPECT_EQ(errorNumber([] { SQLValue("1,5 kg", "@"); }), 13);
}

TEST(TiposADO, EachGroupHoldsExactlyItsCodes)
{
    const std::set<int> fechas{7, 64, 133, 134, 135, 137};
    const std::set<int> textos{8, 129, 130, 200, 201, 202, 203};
    const std::set<int> numeros{2, 3, 4, 5, 14, 16, 17, 18, 19, 20, 21, 131};
    for (int codigo = 0; codigo <= 300; ++codigo) {
        SCOPED_TRACE(codigo);
        EXPECT_EQ(adodate(codigo), fechas.count(codigo) == 1);
        EXPECT_EQ(ADOText(codigo), textos.count(codigo) == 1);
        EXPECT_EQ(ADONumeric(codigo), numeros.count(codigo) == 1);
        EXPECT_EQ(ADOCurrency(codigo), codigo == 6);
        EXPECT_EQ(ADOBoolean(codigo), codigo == 11);
    }
}

TEST(TiposADO, ComillaOnlyForDatesAndTexts)
{
    EXPECT_EQ(ADOComilla(135), "'");
    EXPECT_EQ(ADOComilla(202), "'");
    EXPECT_EQ(ADOComilla(3), "");
    EXPECT_EQ(ADOComilla(6), "");
    EXPECT_EQ(ADOComilla(11), "");
    EXPECT_TRUE(ADONumeric(131));
    EXPECT_FALSE(ADOText(11));
}

TEST(TiposADO, ACodeGivenAsTextClassifiesLikeTheNumber)
{
    EXPECT_TRUE(adodate("7"));
    EXPECT_EQ(ADOComilla("200"), "'");
    EXPECT_TRUE(ADOCurrency(Variant(6.0)));
    EXPECT_TRUE(ADOBoolean("11"));
}

TEST(TiposADO, NullEmptyAndOtherValuesBelongToNoGroup)
{
    for (const Variant& valor : {Variant::null(), Variant(), Variant("texto"), Variant(7.5)}) {
        EXPECT_FALSE(adodate(valor) || ADOText(valor) || ADONumeric(valor) || ADOCurrency(valor) || ADOBoolean(valor));
        EXPECT_EQ(ADOComilla(valor), "");
    }
}

TEST(NombresDeObjetos, StSTFSplitsOwnerAndTable)
{
    QString nombre = "dbo.S_TA_EQUIV";
    EXPECT_EQ(stSTF(nombre, true), "S_TA_EQUIV");
    EXPECT_EQ(stSTF(nombre, false), "dbo");
    EXPECT_EQ(nombre, "dbo.S_TA_EQUIV");

    QString sinPunto = "S_TA_EQUIV";
    EXPECT_EQ(stSTF(sinPunto, true), "S_TA_EQUIV");
}

TEST(NombresDeObjetos, StSTFWithTwoDotsCutsTheArgumentAfterTheFirstDot)
{
    for (bool parte : {true, false}) {
        QString nombre = "EMPRESA.dbo.S_TA_EQUIV";
        EXPECT_EQ(stSTF(nombre, parte), "dbo.S_TA_EQUIV");
        EXPECT_EQ(nombre, "dbo.S_TA_EQUIV");
    }
}

TEST(NombresDeObjetos, AddBracketsOnlyForNamesWithBlanks)
{
    EXPECT_EQ(AddBrackets("Mi Tabla"), "[Mi Tabla]");
    EXPECT_EQ(AddBrackets("[Mi Tabla]"), "[Mi Tabla]");
    EXPECT_EQ(AddBrackets("S_TA_EQUIV"), "S_TA_EQUIV");
}

TEST(NombresDeObjetos, StripConnectDropsTheConnectionAndTheBlankBeforeIt)
{
    EXPECT_EQ(StripConnect("ARTICULOS ->EMPRESA"), "ARTICULOS");
    EXPECT_EQ(StripConnect("ARTICULOS"), "ARTICULOS");
    EXPECT_EQ(StripConnect("->EMPRESA"), "");
}

TEST(NombresDeObjetos, StripBracketsDropsTheFirstAndLastCharacter)
{
    EXPECT_EQ(StripBrackets("[Mi Tabla]"), "Mi Tabla");
    EXPECT_EQ(StripBrackets("Mi Tabla"), "Mi Tabla");
    EXPECT_EQ(StripBrackets("[]"), "");
    EXPECT_EQ(StripBrackets("["), "");
    EXPECT_EQ(StripBrackets(""), "");
}

TEST(NombresDeObjetos, StripOwnerCutsTheArgument)
{
    QString nombre = "dbo.S_TA_EQUIV";
    EXPECT_EQ(StripOwner(nombre), "S_TA_EQUIV");
    EXPECT_EQ(nombre, "S_TA_EQUIV");
    EXPECT_EQ(StripOwner(nombre), "S_TA_EQUIV");
}

TEST(NombresDeObjetos, StripFileNameGivesTheFolderWithoutItsLastSeparator)
{
    EXPECT_EQ(StripFileName("C:\\QURO\\BIN\\equivalencias.exe"), "C:\\QURO\\BIN");
    EXPECT_EQ(StripFileName("/opt/quro/bin/equivalencias"), "/opt/quro/bin");
    EXPECT_EQ(StripFileName("C:\\QURO/bin\\prog.exe"), "C:\\QURO/bin");
    EXPECT_EQ(StripFileName("/opt/quro\\prog.exe"), "/opt/quro");
    EXPECT_EQ(StripFileName("equivalencias.exe"), "");
}

TEST(ORACLE_Dicc, OtherConnectionsGetTheTextUnchanged)
{
    const QString sql = "SELECT top 10 LEN ([A]) FROM T WHERE F = '1/2/2025' AND B = '' ORDER BY A";
    EXPECT_EQ(ORACLE_Dicc(sql, false), sql);
    EXPECT_EQ(ORACLE_Dicc("len", false), "len");
}

TEST(ORACLE_Dicc, OneWordTextIsOnlyTranslatedWhenItIsLen)
{
    EXPECT_EQ(ORACLE_Dicc("len", true), "LENGTH");
    EXPECT_EQ(ORACLE_Dicc("Len", true), "LENGTH");
    EXPECT_EQ(ORACLE_Dicc("ISNULL(A)", true), "ISNULL(A)");
    EXPECT_EQ(ORACLE_Dicc(" len ", true), " len ");
}

TEST(ORACLE_Dicc, TopBecomesRownumBeforeTheOrderByClause)
{
    EXPECT_EQ(ORACLE_Dicc("SELECT top 10 IDARTICULO, DESCRIPCION FROM V_MA_ARTICULOS ORDER BY DESCRIPCION", true),
              "SELECT  IDARTICULO, DESCRIPCION FROM V_MA_ARTICULOS    WHERE ROWNUM <= 10  ORDER BY DESCRIPCION");
    EXPECT_EQ(ORACLE_Dicc("SELECT TOP 5 * FROM T WHERE A = 1 ORDER BY B", true),
              "SELECT  * FROM T WHERE A = 1    AND ROWNUM <= 5  ORDER BY B");
}

TEST(ORACLE_Dicc, TopKeepsTheGroupByClauseWholeAtTheEnd)
{
    EXPECT_EQ(ORACLE_Dicc("SELECT top 3 A, COUNT(*) FROM T GROUP BY A ORDER BY A", true),
              "SELECT  A, COUNT(*) FROM T    WHERE ROWNUM <= 3  GROUP BY A ORDER BY A ");
}

TEST(ORACLE_Dicc, TopCountWithNothingAfterItLeavesAnEmptyBody)
{
    EXPECT_EQ(ORACLE_Dicc("SELECT top 10", true), "SELECT    WHERE ROWNUM <= 10  ");
}

TEST(ORACLE_Dicc, LenWithUpToFourBlanksBecomesLength)
{
    EXPECT_EQ(ORACLE_Dicc("SELECT LEN(A), LEN (B), len    (C), LEN     (D) FROM T", true),
              "SELECT LENGTH(A), LENGTH(B), LENGTH(C), LEN     (D) FROM T");
}

TEST(ORACLE_Dicc, BracketsBecomeDoubleQuotes)
{
    EXPECT_EQ(ORACLE_Dicc("SELECT [Mi Columna] FROM [Mi Tabla]", true), "SELECT \"Mi Columna\" FROM \"Mi Tabla\"");
}

TEST(ORACLE_Dicc, QuotedDatesBecomeToDateCalls)
{
    EXPECT_EQ(ORACLE_Dicc("SELECT * FROM T WHERE F >= '1/2/2025' AND F < '2025-03-01' AND C = 'ABC'", true),
              "SELECT * FROM T WHERE F >= TO_DATE('01/02/2025','DD/MM/YYYY') AND "
              "F < TO_DATE('01/03/2025','DD/MM/YYYY') AND C = 'ABC'");
}

TEST(ORACLE_Dicc, ARepeatedOrAlreadyTranslatedDateIsWrappedOnce)
{
    EXPECT_EQ(ORACLE_Dicc("SELECT * FROM T WHERE A = '31/12/2025' OR B = '31/12/2025'", true),
              "SELECT * FROM T WHERE A = TO_DATE('31/12/2025','DD/MM/YYYY') OR "
              "B = TO_DATE('31/12/2025','DD/MM/YYYY')");
    const QString traducida = "SELECT * FROM T WHERE A = TO_DATE('31/12/2025','DD/MM/YYYY')";
    EXPECT_EQ(ORACLE_Dicc(traducida, true), traducida);
}

TEST(ORACLE_Dicc, NumericCodesInQuotesAreNotDates)
{
    const QString sql = "SELECT * FROM S_TA_EQUIV WHERE IDARTICULO = '           20250101' AND IDUNIDAD = '   1'";
    EXPECT_EQ(ORACLE_Dicc(sql, true), sql);
}

TEST(ORACLE_Dicc, AQuoteNeverClosedRaisesInvalidArgument)
{
    EXPECT_EQ(errorNumber([] { ORACLE_Dicc("SELECT * FROM T WHERE A = 'abc", true); }), 5);
}

TEST(ORACLE_Dicc, EmptyTextEqualitiesAfterWhereBecomeIsNull)
{
    EXPECT_EQ(ORACLE_Dicc("SELECT CASE WHEN X='' THEN 1 END FROM T WHERE B = '' AND C=''", true),
              "SELECT CASE WHEN X='' THEN 1 END FROM T WHERE B  IS NULL  AND C IS NULL ");
}

TEST(ORACLE_Dicc, SqlServerFunctionsBecomeOracleOnes)
{
    EXPECT_EQ(ORACLE_Dicc("SELECT CHARINDEX('-', A), CONVERT(NVARCHAR, F, 103), CONVERT(INT, C), "
                          "SUBSTRING(D, 1, 2), ISNULL(E, 0) FROM T WHERE ID = 103",
                          true),
              "SELECT InStr('-', A), TO_CHAR( F, 'DD/MM/YYYY'), TO_NUMBER( C), "
              "SUBSTR(D, 1, 2), NVL(E, 0) FROM T WHERE ID = 103");
}

TEST(ORACLE_Dicc, Style103OutsideToCharStays)
{
    EXPECT_EQ(ORACLE_Dicc("SELECT A FROM T WHERE ID = 103", true), "SELECT A FROM T WHERE ID = 103");
    EXPECT_EQ(ORACLE_Dicc("(103) X", true), "(103) X");
    EXPECT_EQ(ORACLE_Dicc("SELECT A FROM T WHERE ID IN (103, 1103)", true), "SELECT A FROM T WHERE ID IN (103, 1103)");
}

TEST(TopOracle, TopBeforeAStarBecomesRownum)
{
    EXPECT_EQ(TopOracle("SELECT top 1 * FROM TA_MENU", true), "SELECT  *  FROM TA_MENU WHERE ROWNUM <=  1 ");
    EXPECT_EQ(TopOracle("select TOP 5 * from x", true), "select  *  from x WHERE ROWNUM <=  5 ");
    EXPECT_EQ(TopOracle("len", true), "LENGTH");
}

TEST(TopOracle, OtherTextsAndConnectionsAreUnchanged)
{
    EXPECT_EQ(TopOracle("SELECT top 1 * FROM TA_MENU", false), "SELECT top 1 * FROM TA_MENU");
    EXPECT_EQ(TopOracle("len", false), "len");
    EXPECT_EQ(TopOracle("SELECT * FROM TA_MENU", true), "SELECT * FROM TA_MENU");
    EXPECT_EQ(TopOracle("SELECT top 1 NOMBRE FROM TA_MENU", true), "SELECT top 1 NOMBRE FROM TA_MENU");
}

TEST(SS_TSinonimos, AdministratorsOnlyLoseTheMarker)
{
    EXPECT_EQ(SS_TSinonimos("SELECT * FROM @Admin_MA_CUENTAS , MA_CUENTAS , @ADMIN_V_TA_CAJAS ", true, true),
              "SELECT * FROM MA_CUENTAS , MA_CUENTAS , V_TA_CAJAS ");
}

TEST(SS_TSinonimos, AccountTableIsReplacedOnlyBetweenItsContextCharacters)
{
    const std::pair<QString, QString> casos[] = {
        {"SELECT * FROM MA_CUENTAS WHERE 1=1", "SELECT * FROM SS_MA_CUENTAS WHERE 1=1"},
        {"SELECT * FROM (MA_CUENTAS X)", "SELECT * FROM (SS_MA_CUENTAS X)"},
        {"SELECT MA_CUENTAS.ID FROM T", "SELECT SS_MA_CUENTAS.ID FROM T"},
        {"SELECT COUNT(MA_CUENTAS.ID) FROM T", "SELECT COUNT(SS_MA_CUENTAS.ID) FROM T"},
        {"SELECT A,MA_CUENTAS.ID FROM T", "SELECT A,SS_MA_CUENTAS.ID FROM T"},
        {"SELECT {MA_CUENTAS.ID} FROM T", "SELECT {SS_MA_CUENTAS.ID} FROM T"},
        {"select * from ma_cuentas where 1=1", "select * from SS_MA_CUENTAS where 1=1"},
        {"SELECT * FROM MA_CUENTAS", "SELECT * FROM MA_CUENTAS"},
        {"SELECT * FROM MA_CUENTASX WHERE 1=1", "SELECT * FROM MA_CUENTASX WHERE 1=1"},
        {"SELECT * FROM T,MA_CUENTAS WHERE 1=1", "SELECT * FROM T,MA_CUENTAS WHERE 1=1"},
        {"SELECT {V_TA_CAJAS.ID} FROM T", "SELECT {V_TA_CAJAS.ID} FROM T"},
    };
    for (const auto& [sql, esperado] : casos) {
        EXPECT_EQ(SS_TSinonimos(sql, false, false), esperado) << sql.toStdString();
    }
}

TEST(SS_TSinonimos, EveryRuleAppliesForThisProgram)
{
    EXPECT_EQ(SS_TSinonimos("SELECT * FROM MA_CUENTAS , V_TA_DEPOSITO , MV_ASIENTOS , V_TA_FAMILIAS , V_TA_CAJAS , "
                            "AC_CUENTASDIARIO , AC_CUENTASDIARIO_CCOSTO WHERE 1=1",
                            false, true),
              "SELECT * FROM SS_MA_CUENTAS , SS_V_TA_DEPOSITO , SS_MV_ASIENTOS , SS_V_TA_FAMILIAS , SS_V_TA_CAJAS , "
              "SS_AC_CUENTASDIARIO , SS_AC_CUENTAS_DIARIO_CCOSTO WHERE 1=1");
}

TEST(SS_TSinonimos, EntriesWithoutConfidentialityOnlyLoseTheMarker)
{
    EXPECT_EQ(SS_TSinonimos("SELECT * FROM MV_ASIENTOS , @Admin_V_TA_CAJAS , MA_CUENTAS WHERE 1=1", false, false),
              "SELECT * FROM MV_ASIENTOS , V_TA_CAJAS , MA_CUENTAS WHERE 1=1");
}

TEST(SS_TSinonimos, MarkedAccountTableKeepsEveryAccountReferenceOnTheBaseTable)
{
    const QString resultado = SS_TSinonimos(
        "SELECT * FROM @Admin_MA_CUENTAS A INNER JOIN MA_CUENTAS B ON A.ID = B.ID INNER JOIN V_TA_CAJAS C ON 1=1",
        false, false);
    EXPECT_EQ(resultado,
              "SELECT * FROM MA_CUENTAS A INNER JOIN MA_CUENTAS B ON A.ID = B.ID INNER JOIN SS_V_TA_CAJAS C ON 1=1");
}

TEST(SS_TSinonimos, MarkedTableKeepsItsBaseName)
{
    EXPECT_EQ(SS_TSinonimos("SELECT * FROM @Admin_V_TA_CAJAS WHERE 1=1", false, false),
              "SELECT * FROM V_TA_CAJAS WHERE 1=1");
}
