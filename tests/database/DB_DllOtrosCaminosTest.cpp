#include "database/DB_Dll.h"
#include "platform/db/StatementLog.h"
#include "session/BasesDeDatos.h"
#include "session/FechaServidor.h"
#include "session/Sesion.h"
#include "support/DatabaseTest.h"

#include <QDateTime>

// Paths of the database class that the company server does not take every day.
class DB_DllOtrosCaminosTest : public DatabaseTest {
protected:
    DB_Dll& base = gBaseDatos();
};

TEST_F(DB_DllOtrosCaminosTest, FechaServidorAsksTheServer)
{
    openCompany();
    db::StatementLog log;
    base.gCnn.setStatementLog(&log);
    const QDateTime fecha = FechaServidor(gBaseDatos());
    EXPECT_LE(std::abs(fecha.secsTo(QDateTime::currentDateTime())), 5);
    EXPECT_EQ(fecha.time().msec(), 0);
    ASSERT_FALSE(log.entries().isEmpty());
    EXPECT_EQ(log.entries().first().original, "select  getDate() as fecha");
}

TEST_F(DB_DllOtrosCaminosTest, WithTheServerGoneTheOperatorDecidesBeforeAnyDate)
{
    base.gConnString = "PROVIDER=SQLOLEDB;Server=LOCAL;Database =NOEXISTE;";
    operador->answer(vb::vbNo);  // the loss question: do not try again
    FechaServidor(gBaseDatos());
    EXPECT_TRUE(programEndRequested()) << "answering No ends the program";
    EXPECT_EQ(operador->boxes().last().title, "Conexión a la base de datos");
}

TEST_F(DB_DllOtrosCaminosTest, AnAccessFileIsAskedForAndItsTextBuilt)
{
    base.gProveedor = DB_Dll::pJETOLEDB40;
    base.gUsuario = "Admin";
    base.gUserPassWord = "clave";
    operador->answerOpenFile(std::nullopt);
    base.OpenLocalADODB();
    EXPECT_EQ(base.gCnn.State(), db::ado::adStateClosed);
    EXPECT_EQ(operador->boxes().last().title, "Buscar Base de Datos");

    operador->answerOpenFile(QString("/datos/empresa.mdb"));
    operador->answer(vb::vbOK);
    base.OpenLocalADODB();
    EXPECT_EQ(base.gDBName, "/datos/empresa.mdb");
    EXPECT_EQ(base.gCnn.ConnectionString(),
              "PROVIDER=Microsoft.Jet.OLEDB.4.0;Data Source =/datos/empresa.mdb;User Id=Admin;Password=clave;");
    EXPECT_EQ(operador->boxes().last().buttons, vb::vbCritical);
    EXPECT_TRUE(operador->boxes().last().prompt.startsWith("-2147467259  ")) << "number, two blanks, description";
}

// A server whose connection text names ORACLE takes the script path; here it
// is a SQLite folder, so the splitting can be watched statement by statement.
class ScriptOracleTest : public DB_DllOtrosCaminosTest {
protected:
    void SetUp() override
    {
        DB_DllOtrosCaminosTest::SetUp();
        writeProgramFile("servidores.ini",
                         "[LOCAL]\r\nmotor=sqlite\r\ncarpeta=datos\r\n"
                         "[ORACLEPRUEBA]\r\nmotor=sqlite\r\ncarpeta=datos\r\n");
        base.gServidor = "ORACLEPRUEBA";
        base.gDBName = kCompany;
        base.OpenServerADODB(false, 3, {}, false);
        base.gCnn.setStatementLog(&log);
    }

    db::StatementLog log;
};

TEST_F(ScriptOracleTest, AScriptRunsStatementByStatementAndAddsItsCounts)
{
    QString script =
        "SET NOCOUNT ON\r\nINSERT INTO V_TA_UNIDAD (IdUnidad) VALUES ('UN')\r\nGO\r\n"
        "INSERT INTO V_TA_UNIDAD (IdUnidad) VALUES ('KG')";
    long filas = 0;
    base.EjecutaConsultaSQL(script, filas);
    EXPECT_EQ(filas, 2);
    ASSERT_EQ(log.entries().size(), 2);
    EXPECT_EQ(log.entries()[0].original, "INSERT INTO V_TA_UNIDAD (IdUnidad) VALUES ('UN')");
    EXPECT_EQ(log.entries()[1].original, "INSERT INTO V_TA_UNIDAD (IdUnidad) VALUES ('KG')");
}

TEST_F(ScriptOracleTest, IfNotExistsIsSkippedAndTransactionsAreTheConnections)
{
    QString script =
        "BEGIN TRANSACTION INSERT INTO V_TA_UNIDAD (IdUnidad) VALUES ('UN') "
        "IF NOT EXISTS (SELECT 1 FROM V_TA_UNIDAD) INSERT INTO V_TA_UNIDAD (IdUnidad) VALUES ('LT') "
        "ROLLBACK TRANSACTION";
    long filas = 0;
    base.EjecutaConsultaSQL(script, filas);
    EXPECT_EQ(filas, 2) << "the INSERT after the skipped IF is a statement of its own";
    EXPECT_EQ(base.gCnn.Execute("SELECT COUNT(*) FROM V_TA_UNIDAD").Fields(0).Value().toLong(), 0);
    for (const auto& entry : log.entries()) EXPECT_FALSE(entry.original.contains("IF NOT EXIST"));
}
