#include "database/DB_Dll.h"
#include "platform/db/StatementLog.h"
#include "session/BasesDeDatos.h"
#include "session/Sesion.h"
#include "support/DatabaseTest.h"
#include "support/ScriptedLogin.h"

namespace {

constexpr char kBuiltText[] =
    "PROVIDER=SQLOLEDB;Server=LOCAL;Database =EMPRESA;UId=EMPRESA;Pwd=EMPRESA;Connect Timeout=5;";

}  // namespace

class DB_DllTest : public EveryEngineTest {
protected:
    void SetUp() override
    {
        EveryEngineTest::SetUp();
        if (IsSkipped()) return;
        seed({"INSERT INTO TA_USUARIOS (NOMBRE, SISTEMA, Administrador) VALUES ('ADMIN', 'QURO', 1)",
              "INSERT INTO TA_USUARIOS (NOMBRE, SISTEMA, Administrador) VALUES ('ANA', 'QURO', 0)"});
        base.gServidor = kServer;
        base.gDBName = kCompany;
        base.gUsuario = kCompany;
        base.gUserPassWord = kCompany;
    }

    ScriptedLogin* installLogin()
    {
        auto login = std::make_unique<ScriptedLogin>();
        ScriptedLogin* raw = login.get();
        Service<VentanaAcceso>::install(std::move(login));
        return raw;
    }

    DB_Dll& base = gBaseDatos();
};

TEST_P(DB_DllTest, BuildsTheSqlServerTextAndOpens)
{
    base.gUsuarioLogeado = "ADMIN";
    base.gProveedor = "OraOLEDB.Oracle.1";
    base.OpenServerADODB();
    EXPECT_EQ(base.gConnString, kBuiltText);
    EXPECT_TRUE(base.gOpenFlag);
    EXPECT_EQ(base.gCnn.State(), db::ado::adStateOpen);
    EXPECT_EQ(base.gCnn.ConnectionTimeout(), 3);
    EXPECT_TRUE(base.gEsAdmin);
}

TEST_P(DB_DllTest, ExtendedPropertiesFollowTheTimeOut)
{
    base.gExtended = "Application Name=Equivalencias;";
    base.OpenServerADODB(false, 3, {}, false);
    EXPECT_EQ(base.gConnString, QString(kBuiltText) + "Application Name=Equivalencias;");
    EXPECT_EQ(base.gProveedor, "SQLOLEDB");
}

TEST_P(DB_DllTest, AdministratorComesFromTheSignedInUser)
{
    base.gUsuarioLogeado = "ANA";
    base.OpenServerADODB();
    EXPECT_FALSE(base.gEsAdmin);

    DB_Dll sinValidar;
    sinValidar.gServidor = kServer;
    sinValidar.gDBName = sinValidar.gUsuario = sinValidar.gUserPassWord = kCompany;
    sinValidar.OpenServerADODB(false, 3, {}, false, true);
    EXPECT_TRUE(sinValidar.gEsAdmin);

    DB_Dll callado;
    callado.gServidor = kServer;
    callado.gDBName = callado.gUsuario = callado.gUserPassWord = kCompany;
    callado.OpenServerADODB(false, 3, {}, true, false);
    EXPECT_TRUE(callado.gEsAdmin) << "a quiet open with TA_USUARIOS present counts as administrator";
}

TEST_P(DB_DllTest, AGivenConnectionTextIsUsedUnchanged)
{
    const QString text = "Provider=SQLOLEDB;Server=local;Database=EMPRESA;UId=EMPRESA;Pwd=EMPRESA";
    base.OpenServerADODB(false, 3, text, false);
    EXPECT_EQ(base.gConnString, text);
    EXPECT_EQ(base.gCnn.State(), db::ado::adStateOpen);
}

TEST_P(DB_DllTest, AHashInTheServerBuildsTheOracleText)
{
    base.gServidor = "ORCL#";
    base.gDBName = "PROD";
    base.gUsuario = "u1";
    base.gUserPassWord = "p1";
    base.OpenServerADODB(false, 3, {}, true, false);
    EXPECT_EQ(base.gConnString, "Provider=OraOLEDB.Oracle.1;Data Source=PROD;User Id=u1;Password=p1;");
    EXPECT_FALSE(base.gOpenFlag) << "no Oracle driver here: a quiet failure";
    EXPECT_TRUE(operador->boxes().isEmpty());
}

TEST_P(DB_DllTest, AFailedOpenAsksAndRetriesWithNewParameters)
{
    base.gDBName = "NOEXISTE";
    base.gUsuarioLogeado = "ADMIN";
    ScriptedLogin* login = installLogin();
    login->then([](DatosAcceso& datos) {
        datos.dbName = "EMPRESA";
        return true;
    });
    operador->answer(vb::vbYes);
    base.OpenServerADODB();

    ASSERT_EQ(operador->boxes().size(), 1);
    const auto& box = operador->boxes()[0];
    EXPECT_EQ(box.title, " Error de Conexion a Base de Datos");
    EXPECT_EQ(box.buttons, vb::vbYesNo + vb::vbCritical);
    const QString estado = onSqlite() ? "42000" : "08001";
    EXPECT_TRUE(box.prompt.startsWith(" Estado de Sql: " + estado + "\rNumero de Error: -2147467259\rDescripcion: "));
    EXPECT_TRUE(
        box.prompt.contains("\rCodigo Nativo: 4060\r\r\nNombre de Proceso: tests_database\r\r\n\r\n"
                            "1. Verifique el Usuario, contraseña y base de datos\r\n"
                            "2. Verifique el nombre del servidor, quizas necesite agregarle el nombre de la "
                            "instancia, por ejemplo : LOCAL\\QUROVEX\r\n"
                            "3. Verifique si el inicio de sesion para el usuario EMPRESA existe\r\n\r\n\r\n"
                            " - Desea Intentarlo Nuevamente??? "))
        << box.prompt.toStdString();
    ASSERT_EQ(login->shown().size(), 1);
    EXPECT_EQ(login->shown()[0].dbName, "NOEXISTE");
    EXPECT_EQ(login->shown()[0].usuario, "ADMIN");
    EXPECT_EQ(base.gDBName, "EMPRESA");
    EXPECT_EQ(base.gUsuario, "EMPRESA");
    EXPECT_EQ(base.gCnn.State(), db::ado::adStateOpen);
    EXPECT_TRUE(base.gOpenFlag);
}

TEST_P(DB_DllTest, AnsweringNoOrLeavingTheParametersEndsWithTheFlagDown)
{
    base.gDBName = "NOEXISTE";
    operador->answer(vb::vbNo);
    base.OpenServerADODB();
    EXPECT_FALSE(base.gOpenFlag);

    installLogin();  // the operator will press "Cancelar"
    operador->answer(vb::vbYes);
    base.OpenServerADODB();
    EXPECT_FALSE(base.gOpenFlag);
    EXPECT_EQ(operador->boxes().size(), 2);
}

TEST_P(DB_DllTest, CancellingTheParametersWindowLeavesTheConnectionAlone)
{
    ScriptedLogin* login = installLogin();
    base.OpenServerADODB(true);
    EXPECT_FALSE(base.gOpenFlag);
    EXPECT_EQ(base.gCnn.State(), db::ado::adStateClosed);
    EXPECT_EQ(login->shown().size(), 1);
}

TEST_P(DB_DllTest, TheParametersWindowMayChooseOracle)
{
    ScriptedLogin* login = installLogin();
    login->then([](DatosAcceso& datos) {
        datos.plataforma = 1;
        datos.servidor = "ORCL";
        return true;
    });
    base.OpenServerADODB(true, 3, {}, true, false);
    EXPECT_EQ(base.gProveedor, "OraOLEDB.Oracle.1");
    EXPECT_EQ(base.gServidor, "ORCL#");
    EXPECT_TRUE(base.gConnString.startsWith("Provider=OraOLEDB.Oracle.1;Data Source=EMPRESA;"));
}

TEST_P(DB_DllTest, AbrirRecordsetAppliesTheSynonymsAndReturnsTheText)
{
    openCompany("ANA");
    db::StatementLog log;
    base.gCnn.setStatementLog(&log);
    QString sentencia = "SELECT * FROM V_TA_UNIDAD WHERE IdUnidad IN (SELECT IdUnidad FROM @Admin_V_TA_UNIDAD)";
    db::Recordset filas;
    base.AbrirRecordset(sentencia, filas);
    EXPECT_EQ(sentencia, "SELECT * FROM V_TA_UNIDAD WHERE IdUnidad IN (SELECT IdUnidad FROM V_TA_UNIDAD)");
    EXPECT_EQ(filas.State(), db::ado::adStateOpen);
    EXPECT_EQ(log.entries().last().original, sentencia);
}

TEST_P(DB_DllTest, AbrirRecordsetReportsAFailureThroughTheLibrary)
{
    openCompany();
    operador->answer(vb::vbAbort);
    db::Recordset filas;
    base.AbrirRecordset("SELECT * FROM NO_EXISTE", filas);
    ASSERT_EQ(operador->boxes().size(), 1);
    EXPECT_TRUE(operador->boxes()[0].prompt.startsWith("Ha ocurrido el Siguiente Error (-2147217865) "));
    EXPECT_TRUE(operador->boxes()[0].title.endsWith(" - AbrirRecordset Aviso al operador!!! - 2 "));
    EXPECT_EQ(filas.State(), db::ado::adStateClosed);
}

TEST_P(DB_DllTest, CierraRecordsetCancelsAPendingEdit)
{
    openCompany();
    db::Recordset filas;
    base.AbrirRecordset("SELECT * FROM V_TA_UNIDAD", filas, nullptr, 2, 3);
    filas.AddNew();
    filas.Fields("IdUnidad").setValue("UN");
    base.CierraRecordset(filas);
    EXPECT_EQ(filas.State(), db::ado::adStateClosed);
    base.CierraRecordset(filas);
    EXPECT_TRUE(operador->boxes().isEmpty());
}

TEST_P(DB_DllTest, StatementsLoseTheAdminMarkerAndReportNothing)
{
    openCompany("ANA");
    db::StatementLog log;
    base.gCnn.setStatementLog(&log);
    QString sentencia = "INSERT INTO @Admin_V_TA_UNIDAD (IdUnidad, Descripcion) VALUES ('UN', 'Unidad')";
    long filas = 0;
    base.EjecutaConsultaSQL(sentencia, filas);
    EXPECT_EQ(sentencia, "INSERT INTO V_TA_UNIDAD (IdUnidad, Descripcion) VALUES ('UN', 'Unidad')");
    EXPECT_EQ(filas, 1);

    QString duplicado = sentencia;
    base.EjecutaConsultaSQL(duplicado, filas);
    EXPECT_EQ(base.gCnn.errors().Item(0).NativeError, 2627) << "the caller reads the error list";

    QString largo = "UPDATE V_TA_UNIDAD SET IdUnidad = 'KILOS'";
    base.EjecutaConsultaSQL(largo, filas);
    EXPECT_EQ(base.gCnn.errors().Count(), 0) << "a truncation leaves no trace";
}

TEST_P(DB_DllTest, ScriptsThatCreateAndDropGetTheSynonyms)
{
    openCompany("ANA");
    db::StatementLog log;
    base.gCnn.setStatementLog(&log);
    QString script = "CREATE TABLE T1 (A int)\rINSERT INTO T1 SELECT 1 FROM MA_CUENTAS \rDROP TABLE T1";
    long filas = 0;
    base.EjecutaConsultaSQL(script, filas);
    EXPECT_EQ(script, "CREATE TABLE T1 (A int)\rINSERT INTO T1 SELECT 1 FROM SS_MA_CUENTAS \rDROP TABLE T1");

    QString conBorrado = "CREATE TABLE T2 (A int)\rDELETE FROM MA_CUENTAS \rDROP TABLE T2";
    base.EjecutaConsultaSQL(conBorrado, filas);
    EXPECT_TRUE(conBorrado.contains("FROM MA_CUENTAS ")) << "a script with DELETE keeps the base table";
}

TEST_P(DB_DllTest, AStatementCanHandBackItsRows)
{
    openCompany();
    QString sentencia = "SELECT COUNT(*) AS N FROM TA_USUARIOS";
    long filas = 0;
    db::Recordset resultado;
    base.EjecutaConsultaSQL(sentencia, filas, &resultado);
    EXPECT_EQ(resultado.Fields("N").Value().toLong(), 2);
}

TEST_P(DB_DllTest, ASecondObjectWorksOnItsOwnDatabaseAndReportsItsFailuresToItsCallerQuietly)
{
    createCompanyDatabase("OTRA");
    seed({"INSERT INTO V_TA_UNIDAD (IdUnidad, Descripcion) VALUES ('UN', 'Unidad')"});
    openCompany();
    DB_Dll otra;
    otra.gServidor = kServer;
    otra.gDBName = otra.gUsuario = otra.gUserPassWord = "OTRA";
    otra.OpenServerADODB(false, 3, {}, false, true);
    ASSERT_TRUE(otra.gOpenFlag);

    otra.EjecutaConsultaSQL("INSERT INTO V_TA_UNIDAD (IdUnidad, Descripcion) VALUES ('KG', 'Kilogramo')");
    EXPECT_TRUE(otra.ExisteEnTabla("V_TA_UNIDAD", "KG", "IdUnidad"));
    EXPECT_FALSE(otra.ExisteEnTabla("V_TA_UNIDAD", "UN", "IdUnidad"));
    EXPECT_EQ(otra.DatosTabla("V_TA_UNIDAD", "KG", "Descripcion", "IdUnidad").textOrEmpty(), "Kilogramo");
    EXPECT_FALSE(base.ExisteEnTabla("V_TA_UNIDAD", "KG", "IdUnidad")) << "each object on its own database";

    otra.EjecutaConsultaSQL("INSERT INTO NO_EXISTE (A) VALUES (1)");
    EXPECT_GT(otra.gCnn.errors().Count(), 0) << "a rejected statement stays in its own error list";
    EXPECT_EQ(base.gCnn.errors().Count(), 0);
    EXPECT_THROW(otra.ExisteEnTabla("NO_EXISTE", "1", "A"), ErrorVB);
    db::Recordset filas;
    EXPECT_THROW(otra.AbrirRecordset("SELECT * FROM NO_EXISTE", filas), ErrorVB);

    dropDatabase("OTRA");
    if (onSqlite()) otra.gCnn.Close();  // an open SQLite file outlives its name
    EXPECT_THROW(otra.ExisteEnTabla("V_TA_UNIDAD", "KG", "IdUnidad"), ErrorVB);
    otra.gCnn.errors().Clear();
    otra.EjecutaConsultaSQL("DELETE FROM V_TA_UNIDAD");
    EXPECT_GT(otra.gCnn.errors().Count(), 0) << "a statement that could not run is a failure";
    DB_Dll ida;
    ida.gServidor = kServer;
    ida.gDBName = ida.gUsuario = ida.gUserPassWord = "OTRA";
    ida.OpenServerADODB(false, 3, {}, false, true);
    EXPECT_FALSE(ida.gOpenFlag);

    EXPECT_TRUE(operador->boxes().isEmpty()) << "no question, no login window";
    EXPECT_TRUE(base.ExisteEnTabla("V_TA_UNIDAD", "UN", "IdUnidad")) << "the company database stays open";
}

ON_EVERY_ENGINE(DB_DllTest);
