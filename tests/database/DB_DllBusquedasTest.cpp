#include "database/DB_Dll.h"
#include "platform/db/StatementLog.h"
#include "session/BasesDeDatos.h"
#include "support/DatabaseTest.h"

class DB_DllBusquedasTest : public EveryEngineTest {
protected:
    static QString padded(const QString& code) { return code.rightJustified(25, u' '); }

    void SetUp() override
    {
        EveryEngineTest::SetUp();
        if (IsSkipped()) return;
        seed({"INSERT INTO V_TA_UNIDAD (IdUnidad, Descripcion) VALUES ('UN', 'Unidad')",
              "INSERT INTO V_TA_UNIDAD (IdUnidad, Descripcion) VALUES ('   1', 'Uno')",
              "INSERT INTO V_MA_ARTICULOS (IdArticulo, Descripcion, IdUnidad) VALUES ('0999', 'Cero', 'UN')",
              // Numeric codes are stored right-aligned to 25, as the suite stores them.
              "INSERT INTO V_MA_ARTICULOS (IdArticulo, Descripcion, IdUnidad) VALUES ('" + padded("500")
                  + "', 'Quinientos', 'UN')",
              "INSERT INTO V_MA_ARTICULOS (IdArticulo, Descripcion, IdUnidad) VALUES ('" + padded("120")
                  + "', 'Ciento veinte', NULL)"});
        openCompany();
        base.gCnn.setStatementLog(&log);
    }

    QString lastSent() const { return log.entries().isEmpty() ? QString() : log.entries().last().original; }

    DB_Dll& base = gBaseDatos();
    db::StatementLog log;
};

TEST_P(DB_DllBusquedasTest, ExisteEnTablaTrimsTheTextKey)
{
    EXPECT_TRUE(base.ExisteEnTabla("V_MA_ARTICULOS", " 500 ", "IdArticulo"));
    EXPECT_EQ(lastSent(), "SELECT TOP 1  * FROM V_MA_ARTICULOS with(nolock)  WHERE LTRIM(RTRIM(IdArticulo)) ='500'");
    operador->answer(vb::vbAbort);  // the articles have no column "Codigo"
    EXPECT_FALSE(base.ExisteEnTabla("V_MA_ARTICULOS", "123"));
    EXPECT_EQ(lastSent(), "SELECT TOP 1  * FROM V_MA_ARTICULOS with(nolock)  WHERE LTRIM(RTRIM(Codigo)) ='123'");
}

TEST_P(DB_DllBusquedasTest, ExisteEnTablaKeyForms)
{
    base.ExisteEnTabla("S_TA_EQUIV", "007", "ID", nullptr, 3);
    EXPECT_EQ(lastSent(), "SELECT TOP 1 * FROM S_TA_EQUIV with(nolock)  WHERE ID = 7");
    base.ExisteEnTabla("S_TA_EQUIV", "abc", "ID", nullptr, 5);
    EXPECT_EQ(lastSent(), "SELECT TOP 1 * FROM S_TA_EQUIV with(nolock)  WHERE ID = 0");
    base.ExisteEnTabla("V_TA_TPV", " '2025-01-01' ", "ULTIMA_DETECCION", nullptr, 7);
    EXPECT_EQ(lastSent(), "SELECT TOP 1 * FROM V_TA_TPV with(nolock)  WHERE ULTIMA_DETECCION = '2025-01-01' ");
    base.ExisteEnTabla("S_TA_EQUIV", "ID", "ID", nullptr, 2);
    EXPECT_EQ(lastSent(), "SELECT TOP 1 * FROM S_TA_EQUIV with(nolock)  WHERE ID = ID");
}

TEST_P(DB_DllBusquedasTest, ACondition)
{
    EXPECT_TRUE(base.ExisteEnTabla("V_TA_UNIDAD", "no se usa", "IdUnidad", nullptr, 8, "IdUnidad = 'UN'"));
    EXPECT_EQ(lastSent(), "SELECT TOP 1 * FROM V_TA_UNIDAD with(nolock)  WHERE IdUnidad = 'UN'");
    base.ExisteEnTabla("V_TA_UNIDAD", "", "IdUnidad", nullptr, 8, "X WHERE IdUnidad = 'UN'");
    EXPECT_EQ(lastSent(), "SELECT TOP 1 * FROM V_TA_UNIDAD with(nolock)  X WHERE IdUnidad = 'UN'");
}

TEST_P(DB_DllBusquedasTest, ExisteEnTablaLeavesTheRowInTheCallersRecordSet)
{
    db::Recordset fila;
    EXPECT_TRUE(base.ExisteEnTabla("V_MA_ARTICULOS", "500", "IdArticulo", &fila));
    EXPECT_EQ(fila.Fields("Descripcion").Value().toText(), "Quinientos");
    EXPECT_EQ(fila.LockType(), db::ado::adLockReadOnly);

    db::Recordset editable;
    base.AbrirRecordset("SELECT TOP 1 * FROM V_MA_ARTICULOS", editable, nullptr, 2, 3);
    EXPECT_TRUE(base.ExisteEnTabla("V_MA_ARTICULOS", "120", "IdArticulo", &editable, 8, {}, false));
    editable.Fields("Descripcion").setValue("Ciento veinte bis");
    editable.Update();
    EXPECT_EQ(base.DatosTabla("V_MA_ARTICULOS", "120", "Descripcion", "IdArticulo").toText(), "Ciento veinte bis");
}

TEST_P(DB_DllBusquedasTest, ExisteEnTablaSTForms)
{
    EXPECT_FALSE(base.ExisteEnTablaST("V_MA_ARTICULOS", " 500 ", "IdArticulo"));
    EXPECT_EQ(lastSent(), "SELECT * FROM V_MA_ARTICULOS with(nolock)   WHERE IdArticulo =' 500 '");
    EXPECT_TRUE(base.ExisteEnTablaST("V_MA_ARTICULOS", "", "IdArticulo", nullptr, 8, "LTRIM(IdArticulo) = '500'"));
    EXPECT_EQ(lastSent(), "SELECT * FROM V_MA_ARTICULOS with(nolock)   WHERE LTRIM(IdArticulo) = '500'");
}

TEST_P(DB_DllBusquedasTest, DatosTablaReturnsTheColumnAsText)
{
    EXPECT_EQ(base.DatosTabla("v_ta_unidad", "un", "descripcion", "idunidad").toText(), "Unidad");
    EXPECT_EQ(lastSent(), "SELECT TOP 1 * FROM v_ta_unidad with(nolock)  WHERE LTRIM(RTRIM(idunidad)) ='un' ");
    EXPECT_EQ(base.DatosTabla("v_ta_unidad", "XX", "descripcion", "idunidad"), Variant(QString()));
    EXPECT_EQ(base.DatosTabla("V_MA_ARTICULOS", "120", "IdUnidad", "IdArticulo"), Variant(QString()))
        << "a Null reads as an empty text";
    EXPECT_EQ(base.DatosTabla("v_ta_unidad", "   1", "descripcion", "idunidad", "'", {}, false).toText(), "Uno");
    EXPECT_EQ(lastSent(), "SELECT TOP 1 * FROM v_ta_unidad with(nolock)  WHERE idunidad ='   1' ");
}

TEST_P(DB_DllBusquedasTest, DatosTablaOtherForms)
{
    operador->answer(vb::vbAbort);  // the desktop date form is refused on this engine
    base.DatosTabla("V_TA_TPV", " 01/01/2025 ", "CODIGO", "ULTIMA_DETECCION", 7, "BAJA = 0");
    EXPECT_EQ(lastSent(),
              "SELECT TOP 1 * FROM V_TA_TPV with(nolock)  WHERE ULTIMA_DETECCION = #01/01/2025#  AND BAJA = 0");
    EXPECT_EQ(base.DatosTabla("S_TA_EQUIV", "0012", "IDARTICULO", "ID", 3), Variant(QString()));
    EXPECT_EQ(lastSent(), "SELECT TOP 1 * FROM S_TA_EQUIV with(nolock)  WHERE ID = 12");
}

TEST_P(DB_DllBusquedasTest, ATypedQuoteCannotBreakTheStatement)
{
    EXPECT_FALSE(base.ExisteEnTabla("V_TA_UNIDAD", "X' OR '1'='1", "IdUnidad"));
    EXPECT_EQ(base.DatosTabla("V_TA_UNIDAD", "UN' OR 'a'='a", "Descripcion", "IdUnidad"), Variant(QString()));
    EXPECT_TRUE(operador->boxes().isEmpty());
}

TEST_P(DB_DllBusquedasTest, AFailingLookupOffersAbortRetryIgnore)
{
    operador->answer(vb::vbAbort);
    EXPECT_FALSE(base.ExisteEnTablaST("NO_EXISTE", "1"));
    ASSERT_EQ(operador->boxes().size(), 1);
    EXPECT_EQ(operador->boxes()[0].title, "Aviso al Operador");
    EXPECT_EQ(operador->boxes()[0].buttons, vb::vbAbortRetryIgnore + vb::vbCritical);
    EXPECT_TRUE(operador->boxes()[0].prompt.contains("NO_EXISTE", Qt::CaseInsensitive));

    operador->answer(vb::vbAbort);
    EXPECT_EQ(base.DatosTabla("V_TA_UNIDAD", "UN", "NOEXISTE", "IdUnidad"), Variant(QString()));
    EXPECT_EQ(operador->boxes().size(), 2);
}

TEST_P(DB_DllBusquedasTest, DatosTablaCanIgnoreFailuresQuietly)
{
    EXPECT_EQ(base.DatosTabla("V_TA_UNIDAD", "UN", "NOEXISTE", "IdUnidad", 8, {}, true, true), Variant(QString()));
    EXPECT_TRUE(operador->boxes().isEmpty());
}

TEST_P(DB_DllBusquedasTest, BuscaMaximoSkipsArticleCodesStartingWithZero)
{
    QString condicion;
    EXPECT_EQ(base.BuscaMaximo("V_MA_ARTICULOS", "IdArticulo", {}, &condicion).toDouble(), 500);
    EXPECT_EQ(condicion, " substring(ltrim(idarticulo),1,1)<>'0'");
    EXPECT_EQ(lastSent(),
              "SELECT MAX(IdArticulo) AS MAYOR FROM V_MA_ARTICULOS WHERE substring(ltrim(idarticulo),1,1)<>'0'");

    QString conOtra = "Descripcion <> 'x'";
    EXPECT_EQ(base.BuscaMaximo("V_MA_ARTICULOS", "IdArticulo", 7, &conOtra), Variant(padded("500")));
    EXPECT_EQ(conOtra, "Descripcion <> 'x' and substring(ltrim(idarticulo),1,1)<>'0'");
}

TEST_P(DB_DllBusquedasTest, MinimumAndLastCode)
{
    const QString condicion = "IdUnidad = 'UN'";
    EXPECT_EQ(base.BuscaMinimo("V_MA_ARTICULOS", "IdArticulo", {}, &condicion).toDouble(), 500);
    EXPECT_EQ(lastSent(), "SELECT MIN(IdArticulo) AS MENOR FROM V_MA_ARTICULOS  with(nolock)  WHERE IdUnidad = 'UN'");
    EXPECT_EQ(base.BuscaUltimoCodigo("V_MA_ARTICULOS", "IdArticulo").toDouble(), 999);
    EXPECT_EQ(lastSent(), "SELECT MAX(IdArticulo) AS MAYOR FROM V_MA_ARTICULOS");
}

ON_EVERY_ENGINE(DB_DllBusquedasTest);
