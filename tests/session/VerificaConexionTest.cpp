#include "database/DB_Dll.h"
#include "lookups/ArchivoConsultas.h"
#include "lookups/Lbf_CtrlDisplay.h"
#include "lookups/Lib_ClsCons3.h"
#include "lookups/LineaCartel.h"
#include "platform/os/System.h"
#include "platform/ui/Dialogs.h"
#include "session/BasesDeDatos.h"
#include "session/ParametrosSesion.h"
#include "session/Sesion.h"
#include "session/VerificaConexion.h"
#include "support/DatabaseTest.h"
#include "support/ScriptedLogin.h"
#include "suitesupport/QvFunciones.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString lineaDeMenu(const QString& base, const QString& password)
{
    return " ; @server=LOCAL; @dbname=" + base + "; @usuario=ANA; @Password=" + password
           + "; @ParametroAdicional=; quro@ ; @UsuarioLogeado = ANA; @Caja=1;";
}

// The banner windows on screen.
QList<Lbf_CtrlDisplay*> cartelesVisibles()
{
    QList<Lbf_CtrlDisplay*> carteles;
    for (QWidget* ventana : QApplication::topLevelWidgets()) {
        auto* cartel = qobject_cast<Lbf_CtrlDisplay*>(ventana);
        if (cartel && cartel->isVisible()) carteles.append(cartel);
    }
    return carteles;
}

}  // namespace

class VerificaConexionTest : public EveryEngineTest {
protected:
    void SetUp() override
    {
        EveryEngineTest::SetUp();
        if (IsSkipped()) return;
        seed({"INSERT INTO TA_USUARIOS (NOMBRE, SISTEMA, Password) VALUES ('ANA', 'QURO', '"
              + QvFunciones::Encriptar("Secreto") + "')"});
        auto ventana = std::make_unique<ScriptedLogin>();
        login = ventana.get();
        Service<VentanaAcceso>::install(std::move(ventana));
    }

    void iniciar(const QString& linea)
    {
        QString conexion;
        EXPECT_TRUE(VerificaConexion(false, linea, conexion, 3)) << "the start-up gave up";
    }

    // Starts and expects the start-up to give up there.
    void iniciarYTerminar(const QString& linea)
    {
        QString conexion;
        EXPECT_FALSE(VerificaConexion(false, linea, conexion, 3)) << "the program went on";
    }

    long contar(const QString& tabla, const QString& condicion = "1 = 1") const
    {
        db::Connection conexion;
        conexion.Open(connectionText());
        return conexion.Execute("SELECT COUNT(*) FROM " + tabla + " WHERE " + condicion).Fields(0).Value().toLong();
    }

    // A table only the present connection to the company sees.
    static void marcarConexion() { gBaseDatos().gCnn.Execute("CREATE TEMP TABLE marca (x integer)"); }
    static bool conexionMarcada()
    {
        try {
            gBaseDatos().gCnn.Execute("SELECT COUNT(*) FROM marca");
            return true;
        } catch (const ErrorVB&) {
            return false;
        }
    }

    ScriptedLogin* login = nullptr;
};

TEST_P(VerificaConexionTest, AValidUserFromTheCommandLineStartsWithoutAnyDialog)
{
    iniciar(lineaDeMenu("EMPRESA", "Secreto"));

    const DB_Dll& base = gBaseDatos();
    const Sesion& sesion = gSesion();
    EXPECT_TRUE(operador->boxes().isEmpty());
    EXPECT_TRUE(login->shown().isEmpty());
    ASSERT_EQ(base.gCnn.State(), db::ado::adStateOpen);
    EXPECT_EQ(base.gServidor, "LOCAL");
    EXPECT_EQ(base.gDBName, "EMPRESA");
    EXPECT_EQ(base.gUsuario, "EMPRESA");
    EXPECT_EQ(sesion.gUsuarioLogeado, "ANA");
    EXPECT_EQ(sesion.gCaja, "1");
    EXPECT_EQ(sesion.gCadenaDSN, "DSN=EMPRESA; UID=EMPRESA; PWD=EMPRESA");
    EXPECT_EQ(base.gCnn.IsolationLevel(), 256);
    EXPECT_EQ(ArchivoAyuda(), QDir(programFolder()).filePath("htmlhelp/zavevirevav.chm"));
    EXPECT_EQ(contar("Control_Acceso", "Usuario = 'ANA'"), 1) << "the entry into the task is recorded";
    EXPECT_TRUE(cartelesVisibles().isEmpty()) << "the banner is closed at the end";

    const Lib_ClsCons3& motor = gConsulta();
    EXPECT_EQ(motor.gConnString, base.gConnString);
    EXPECT_TRUE(motor.gUsarMascarasConsultas);
    EXPECT_EQ(motor.gRutaMascaraConsultas, QDir(programFolder()).filePath("consultas.vtx"));
    EXPECT_EQ(ArchivoConsultas(motor.gRutaMascaraConsultas).Registros().size(), 11)
        << "a missing definition file gets the defaults";
}

TEST_P(VerificaConexionTest, WithoutACommandLineTheLoginWindowAsksAndTheMarkerReadsTheStoredPassword)
{
    writeProgramFile("consultas.vtx", "");
    QStringList lineasDelCartel;
    login->then([&](DatosAcceso& datos) {
        const QList<Lbf_CtrlDisplay*> carteles = cartelesVisibles();
        if (carteles.size() == 1) {
            lineasDelCartel << carteles[0]->windowTitle();
            for (const LineaCartel* linea : carteles[0]->LblCtrol) lineasDelCartel << linea->text();
        }
        datos = {"EMPRESA", "LOCAL", "ANA", datos.password, 0};
        return true;
    });
    iniciar({});

    ASSERT_EQ(login->shown().size(), 1);
    EXPECT_EQ(login->shown()[0].password, "* *");
    EXPECT_EQ(login->shown()[0].usuario, "");
    EXPECT_EQ(login->shown()[0].servidor, "");
    EXPECT_EQ(lineasDelCartel, (QStringList{"Conectando Base de Datos", "Iniciando Aplicacion", os::executableName(),
                                            "Espere por favor"}));
    EXPECT_EQ(gSesion().gPasswordUsuario, "Secreto") << "the marker was replaced by the stored password";
    EXPECT_TRUE(operador->boxes().isEmpty());
    EXPECT_EQ(gBaseDatos().gCnn.State(), db::ado::adStateOpen);
    EXPECT_EQ(QFileInfo(QDir(programFolder()).filePath("consultas.vtx")).size(), 0)
        << "an existing definition file is left alone";
}

TEST_P(VerificaConexionTest, ThreeRefusedPasswordsEndTheProgram)
{
    for (int i = 0; i < 3; ++i) {
        login->then([](DatosAcceso& datos) {
            datos.usuario = "ANA";
            datos.password = "otra";
            return true;
        });
    }
    for (int i = 0; i < 5; ++i) operador->answer(vb::vbOK);
    iniciarYTerminar(lineaDeMenu("EMPRESA", "mala"));

    const QVector<ScriptedDialogs::Box>& cajas = operador->boxes();
    ASSERT_EQ(cajas.size(), 5);
    EXPECT_EQ(cajas[0].prompt, "El usuario o clave en la base de datos es incorrecto!\r\nIntentelo nuevamente");
    EXPECT_EQ(cajas[0].title, "Atencion!");
    EXPECT_EQ(cajas[0].buttons, vb::vbCritical);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(cajas[i].prompt, "Usuario o Clave incorrecta");
        EXPECT_EQ(cajas[i].title, "Atencion");
        EXPECT_EQ(cajas[i].buttons, vb::vbInformation);
    }
    EXPECT_EQ(cajas[4].prompt,
              "Demasiados intentos para iniciar sesion!\r\nComuniquese con el administrador de sistemas");
    EXPECT_EQ(cajas[4].buttons, vb::vbCritical);
    EXPECT_EQ(login->shown().size(), 3);
    EXPECT_EQ(login->shown()[0].dbName, "EMPRESA");
    EXPECT_EQ(login->shown()[0].servidor, "LOCAL");
    EXPECT_EQ(login->shown()[0].password, "mala");
    EXPECT_EQ(contar("V_MV_CPTEACCIONES", "SYSTEMUSER = 'Intento de inicio de sesion fallido' AND Usuario = 'ANA'"), 3);
    EXPECT_EQ(contar("Control_Acceso"), 0);
}

TEST_P(VerificaConexionTest, LeavingTheLoginWindowEndsTheProgram)
{
    operador->answer(vb::vbOK);
    iniciarYTerminar(lineaDeMenu("EMPRESA", "mala"));
    EXPECT_EQ(login->shown().size(), 1);
    EXPECT_EQ(contar("Control_Acceso"), 0);
}

TEST_P(VerificaConexionTest, ARetryWithAnotherPasswordKeepsTheConnection)
{
    login->then([](DatosAcceso& datos) {
        marcarConexion();
        datos.password = "secreto";
        return true;
    });
    operador->answer(vb::vbOK);
    iniciar(lineaDeMenu("EMPRESA", "mala"));

    EXPECT_TRUE(conexionMarcada()) << "the same connection goes on";
    EXPECT_EQ(gSesion().gPasswordUsuario, "secreto");
    EXPECT_EQ(contar("Control_Acceso", "Usuario = 'ANA'"), 1);
}

TEST_P(VerificaConexionTest, ARetryOnAnotherServerReconnects)
{
    writeProgramFile("servidores.ini", registryEntry() + registryEntry("OTRO"));
    login->then([](DatosAcceso& datos) {
        marcarConexion();
        datos.servidor = "OTRO";
        datos.password = "Secreto";
        return true;
    });
    operador->answer(vb::vbOK);
    iniciar(lineaDeMenu("EMPRESA", "mala"));

    EXPECT_EQ(gBaseDatos().gServidor, "OTRO");
    EXPECT_EQ(gBaseDatos().gCnn.State(), db::ado::adStateOpen);
    EXPECT_FALSE(conexionMarcada()) << "a new connection was opened";
    EXPECT_EQ(login->shown().size(), 1);
    EXPECT_EQ(operador->boxes().size(), 1);
}

TEST_P(VerificaConexionTest, TheStatisticsDatabaseGivesTheStatementTimeOut)
{
    createStatisticsDatabase("VX_ESTADISTICAS");
    db::Connection estadisticas;
    estadisticas.Open(connectionText("VX_ESTADISTICAS", kStatisticsPassword));
    estadisticas.Execute("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR, GRUPO) VALUES ('TimeOut', '30', 'BaseDeDatos')");
    iniciar(lineaDeMenu("EMPRESA", "Secreto"));
    EXPECT_EQ(gSesion().gTiempoEsperaComando, 30);
    EXPECT_EQ(gBaseDatos().gCnn.CommandTimeout(), 30);
    EXPECT_EQ(gBaseDatosVX().gCnn.State(), db::ado::adStateOpen);
}

TEST_P(VerificaConexionTest, AStatisticsDatabaseWithoutTimeOutGetsTheKeyAnd45Seconds)
{
    createStatisticsDatabase("VX_ESTADISTICAS");
    iniciar(lineaDeMenu("EMPRESA", "Secreto"));
    EXPECT_EQ(gSesion().gTiempoEsperaComando, 45);
    db::Connection estadisticas;
    estadisticas.Open(connectionText("VX_ESTADISTICAS", kStatisticsPassword));
    db::Recordset fila = estadisticas.Execute("SELECT VALOR, GRUPO FROM TA_CONFIGURACION WHERE CLAVE = 'TimeOut'");
    ASSERT_FALSE(fila.Eof());
    EXPECT_EQ(fila.Fields("VALOR").Value().toText().trimmed(), "0");
    EXPECT_EQ(fila.Fields("GRUPO").Value().toText().trimmed(), "BaseDeDatos");
}

TEST_P(VerificaConexionTest, WithoutTheStatisticsDatabaseStatementsWait45Seconds)
{
    dropDatabase("VX_ESTADISTICAS");
    iniciar(lineaDeMenu("EMPRESA", "Secreto"));
    EXPECT_EQ(gSesion().gTiempoEsperaComando, 45);
    EXPECT_EQ(gBaseDatos().gCnn.CommandTimeout(), 45);
    EXPECT_NE(gBaseDatosVX().gCnn.State(), db::ado::adStateOpen);
    EXPECT_TRUE(operador->boxes().isEmpty()) << "the missing statistics database is not reported";
}

TEST_P(VerificaConexionTest, ADatabaseThatCannotBeOpenedEndsTheProgram)
{
    operador->answer(vb::vbNo);
    iniciarYTerminar(lineaDeMenu("NOEXISTE", "Secreto"));
    ASSERT_EQ(operador->boxes().size(), 1);
    EXPECT_EQ(operador->boxes()[0].title, " Error de Conexion a Base de Datos");
    EXPECT_TRUE(cartelesVisibles().isEmpty());
}

TEST_P(VerificaConexionTest, ACompanyWithoutItsSettingsTableIsReportedOnceAndStartsWithTheDefaults)
{
    seed({"DROP TABLE TA_CONFIGURACION"});
    operador->answer(vb::vbAbort);
    iniciar(lineaDeMenu("EMPRESA", "Secreto"));

    ASSERT_EQ(operador->boxes().size(), 1);
    EXPECT_TRUE(operador->boxes()[0].prompt.contains("ta_configuracion", Qt::CaseInsensitive))
        << operador->boxes()[0].prompt.toStdString();
    EXPECT_EQ(gSesion().gTop_Default, "1000");
    EXPECT_EQ(gSesion().gCondicionIvaEmpresa, 1);
    EXPECT_EQ(contar("Control_Acceso", "Usuario = 'ANA'"), 1) << "the start-up went on";
}

// A company on PostgreSQL made before its searches had trigram indexes: the
// first sign-in makes the folding function, which the user's menu entry is
// already read with, and the indexes; the next sign-in finds them.
TEST_P(VerificaConexionTest, ACompanyOnPostgresqlGetsItsTrigramIndexesAtItsFirstSignIn)
{
    if (onSqlite()) GTEST_SKIP() << "the indexes are PostgreSQL's";
    seedNative({"DROP INDEX ix_v_ma_articulos_descripcion_trigramas",
                "DROP INDEX ix_v_ma_articulos_idarticulo_trigramas", "DROP FUNCTION tsql_like_fold(text)"},
               kCompany, kServer);
    const QString indices =
        "relname IN ('ix_v_ma_articulos_descripcion_trigramas', 'ix_v_ma_articulos_idarticulo_trigramas')";
    const auto identidades = [&] {
        return read("SELECT SUM(CAST(oid AS integer)) FROM pg_class WHERE " + indices).Fields(0).Value().textOrEmpty();
    };
    iniciar(lineaDeMenu("EMPRESA", "Secreto"));
    EXPECT_TRUE(operador->boxes().isEmpty());
    EXPECT_EQ(contar("pg_class", indices), 2);
    EXPECT_EQ(contar("pg_proc", "proname = 'tsql_like_fold'"), 1);
    const QString hechos = identidades();

    resetSharedObjects();
    iniciar(lineaDeMenu("EMPRESA", "Secreto"));
    EXPECT_EQ(identidades(), hechos) << "the same indexes, not made again";
}

ON_EVERY_ENGINE(VerificaConexionTest);

// Start-ups against files of a SQLite server.
class VerificaConexionArchivoTest : public VerificaConexionTest {};

TEST_P(VerificaConexionArchivoTest, AnEmptyCompanyFileEndsTheStartUpAfterOneMessageAndStaysEmpty)
{
    const QString archivo = QDir(dataFolder()).filePath("VACIA.sqlite");
    QFile vacio(archivo);
    ASSERT_TRUE(vacio.open(QIODevice::WriteOnly));
    vacio.close();
    operador->answer(vb::vbNo);
    iniciarYTerminar(lineaDeMenu("VACIA", "Secreto"));

    ASSERT_EQ(operador->boxes().size(), 1);
    EXPECT_EQ(operador->boxes()[0].title, " Error de Conexion a Base de Datos");
    EXPECT_EQ(QFileInfo(archivo).size(), 0);
    EXPECT_EQ(QDir(dataFolder()).entryList({"VACIA*"}, QDir::Files), QStringList{"VACIA.sqlite"});
}

INSTANTIATE_TEST_SUITE_P(Engines, VerificaConexionArchivoTest, ::testing::Values(TestEngine::SQLite), engineName);

TEST(ObtieneIP, KeepsTheHostBetweenTheNetworkAndThePort)
{
    EXPECT_EQ(ObtieneIP("SRV1:1433"), "SRV1");
    EXPECT_EQ(ObtieneIP("red/SRV1:1433"), "SRV1");
    EXPECT_EQ(ObtieneIP("SRV1"), "SRV1");
    EXPECT_EQ(ObtieneIP("a/b:c"), "b");
    EXPECT_EQ(ObtieneIP("SRV1\\QUROVEX"), "SRV1\\QUROVEX");
}
