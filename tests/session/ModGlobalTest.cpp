#include "database/DB_Dll.h"
#include "platform/db/StatementLog.h"
#include "platform/os/System.h"
#include "session/BasesDeDatos.h"
#include "session/ModGlobal.h"
#include "support/DatabaseTest.h"

class ModGlobalTest : public EveryEngineTest {
protected:
    void SetUp() override
    {
        EveryEngineTest::SetUp();
        if (IsSkipped()) return;
        openCompany();
        base.gCnn.setStatementLog(&log);
    }

    long count(const QString& from) const
    {
        return base.gCnn.Execute("SELECT COUNT(*) FROM " + from).Fields(0).Value().toLong();
    }

    void run(const QStringList& sentencias, bool omitirDuplicado = false)
    {
        GActualizarDatoScript(gBaseDatos(), sentencias, huboError, codigoError, omitirDuplicado, false, script, mensaje,
                              true);
    }

    DB_Dll& base = gBaseDatos();
    db::StatementLog log;
    bool huboError = true;
    long codigoError = -1;
    QString script;
    QString mensaje;
};

TEST_P(ModGlobalTest, OnlyBlankStatementsSendNothing)
{
    run({"", "   "});
    EXPECT_FALSE(huboError);
    EXPECT_EQ(codigoError, -1);
    EXPECT_TRUE(log.entries().isEmpty());
}

TEST_P(ModGlobalTest, AScriptRunsAsOneTransactionAndCommits)
{
    run({"INSERT INTO V_TA_UNIDAD (IdUnidad) VALUES ('UN')", " ", "INSERT INTO V_TA_UNIDAD (IdUnidad) VALUES ('KG')"});
    EXPECT_EQ(script,
              "BEGIN TRANSACTION \r\r\rINSERT INTO V_TA_UNIDAD (IdUnidad) VALUES ('UN')"
              "\rINSERT INTO V_TA_UNIDAD (IdUnidad) VALUES ('KG')\r");
    EXPECT_FALSE(huboError);
    EXPECT_EQ(codigoError, 0);
    EXPECT_EQ(log.entries().last().original, "COMMIT TRANSACTION");
    EXPECT_EQ(count("V_TA_UNIDAD"), 2);
}

TEST_P(ModGlobalTest, AnEarlierFailureOfTheConnectionIsNotTakenForTheScripts)
{
    base.gCnn.errors().append({-2147217865, "no existe la tabla", "42S02", 208});
    run({"INSERT INTO V_TA_UNIDAD (IdUnidad) VALUES ('UN')"});
    EXPECT_FALSE(huboError);
    EXPECT_EQ(codigoError, 0);
    EXPECT_EQ(count("V_TA_UNIDAD"), 1);
}

TEST_P(ModGlobalTest, ARejectedStatementRollsBackEverythingAndIsRecorded)
{
    operador->answer(vb::vbOK);
    run({"INSERT INTO V_TA_UNIDAD (IdUnidad) VALUES ('UN')", "INSERT INTO V_TA_UNIDAD (IdUnidad) VALUES ('KILOS')"});
    EXPECT_TRUE(huboError);
    EXPECT_EQ(codigoError, 8152);
    EXPECT_EQ(count("V_TA_UNIDAD"), 0) << "the first insert went with the rollback";
    EXPECT_EQ(base.gCnn.errors().Count(), 0);
    ASSERT_EQ(operador->boxes().size(), 1);
    EXPECT_EQ(operador->boxes()[0].title, "Aviso al Operador!");
    EXPECT_EQ(operador->boxes()[0].buttons, vb::vbCritical);
    EXPECT_TRUE(operador->boxes()[0].prompt.startsWith("8152 : "));
    EXPECT_TRUE(operador->boxes()[0].prompt.endsWith("\r\n"));
    EXPECT_EQ(mensaje, operador->boxes()[0].prompt);
    db::Recordset aux = base.gCnn.Execute("SELECT * FROM AUX_ERR");
    ASSERT_FALSE(aux.Eof());
    EXPECT_EQ(aux.Fields("sql").Value().toText(), script);
    EXPECT_EQ(aux.Fields("Error").Value().toLong(), 8152);
    EXPECT_EQ(aux.Fields("Proceso").Value().toText(), os::executableName());
    EXPECT_EQ(count("AUX_ERR"), 1);
}

TEST_P(ModGlobalTest, ADuplicateCanBeKeptQuiet)
{
    base.EjecutaConsultaSQL("INSERT INTO V_TA_UNIDAD (IdUnidad) VALUES ('UN')");
    run({"INSERT INTO V_TA_UNIDAD (IdUnidad) VALUES ('un')"}, true);
    EXPECT_TRUE(huboError);
    EXPECT_EQ(codigoError, 2627);
    EXPECT_TRUE(operador->boxes().isEmpty());
    EXPECT_FALSE(mensaje.isEmpty());
    EXPECT_FALSE(mensaje.startsWith("2627 : ")) << "the description alone";
    const auto sent = std::find_if(log.entries().begin(), log.entries().end(),
                                   [](const auto& entry) { return entry.original == "ROLLBACK TRANSACTION"; });
    EXPECT_NE(sent, log.entries().end());
    EXPECT_EQ(count("V_TA_UNIDAD"), 1);
}

class AsignarCampoTest : public ModGlobalTest {
protected:
    void SetUp() override
    {
        ModGlobalTest::SetUp();
        if (IsSkipped()) return;
        base.gCnn.Execute(
            "CREATE TABLE CAMPOS (CODIGO varchar(4), NOMBRE varchar(50), "
            "CANTIDAD numeric(18,4), ACTIVO bit, IMPORTE money, FECHA datetime, NOTA text)");
        fila.Open("SELECT * FROM CAMPOS", base.gCnn, db::ado::adOpenDynamic, db::ado::adLockOptimistic);
        fila.AddNew();
    }

    Variant value(const char* column) { return fila.Fields(column).Value(); }

    db::Recordset fila;
};

TEST_P(AsignarCampoTest, ShortTextsAreCodesLongOnesAreTrimmedBlanksAreNull)
{
    AsignarCampo(fila, "[CODIGO]", " 1 ");
    EXPECT_EQ(value("CODIGO"), Variant("   1"));
    AsignarCampo(fila, "NOMBRE", "  Caja de doce  ");
    EXPECT_EQ(value("NOMBRE"), Variant("Caja de doce"));
    AsignarCampo(fila, "NOMBRE", "   ");
    EXPECT_TRUE(value("NOMBRE").isNull());
    AsignarCampo(fila, "NOTA", " libre ");
    EXPECT_EQ(value("NOTA"), Variant("libre"));
}

TEST_P(AsignarCampoTest, NumbersAmountsBooleansAndDates)
{
    AsignarCampo(fila, "CANTIDAD", "1,5");
    EXPECT_EQ(value("CANTIDAD"), Variant(1.5));
    AsignarCampo(fila, "IMPORTE", "1.234,56");
    EXPECT_EQ(value("IMPORTE"), Variant(1234.56));
    if (onSqlite()) {  // PostgreSQL keeps bit columns as numbers
        AsignarCampo(fila, "ACTIVO", "n");
        EXPECT_EQ(value("ACTIVO"), Variant(false));
        AsignarCampo(fila, "ACTIVO", "x");
        EXPECT_EQ(value("ACTIVO"), Variant(true));
    }
    AsignarCampo(fila, "FECHA", "31/12/2025");
    EXPECT_EQ(value("FECHA"), Variant(QDateTime(QDate(2025, 12, 31), QTime(0, 0))));
    AsignarCampo(fila, "FECHA", "no es fecha");
    EXPECT_TRUE(value("FECHA").isNull());
    fila.Update();
    EXPECT_EQ(count("CAMPOS WHERE CANTIDAD = 1.5 AND IMPORTE = 1234.56"), 1);
}

TEST_P(AsignarCampoTest, TextThatIsNotANumberFailsForTheCaller)
{
    try {
        AsignarCampo(fila, "CANTIDAD", "abc");
        FAIL();
    } catch (const ErrorVB& e) {
        EXPECT_EQ(e.numero, 13);
    }
    fila.CancelUpdate();
}

ON_EVERY_ENGINE(ModGlobalTest);
ON_EVERY_ENGINE(AsignarCampoTest);
