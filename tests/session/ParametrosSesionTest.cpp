#include "session/ParametrosSesion.h"
#include "session/Sesion.h"
#include "support/ProgramTest.h"
#include "suitesupport/QvFunciones.h"

namespace {

// The line the suite's menu builds to start a program.
QString lineaDelMenu(const QString& password)
{
    return " ; @server=SRV1; @dbname=EMP01; @usuario=JPEREZ; @Password=" + password
           + "; @ParametroAdicional=; quro@ ; @UsuarioLogeado = JPEREZ; @Caja=1;";
}

}  // namespace

class ParametrosSesionTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        savedUser_ = qgetenv("USERNAME");
        qputenv("USERNAME", "jperez");
    }
    void TearDown() override
    {
        if (savedUser_.isNull())
            qunsetenv("USERNAME");
        else
            qputenv("USERNAME", savedUser_);
        ProgramTest::TearDown();
    }

    ParametrosConexion interpretar(const QString& linea)
    {
        QString connString;
        return InterpretarLineaComando(linea, connString);
    }

private:
    QByteArray savedUser_;
};

TEST_F(ParametrosSesionTest, TheSuitesOwnLineFillsTheSession)
{
    const ParametrosConexion conexion = interpretar(lineaDelMenu("  clave1 "));
    EXPECT_EQ(conexion.servidor, "SRV1");
    EXPECT_EQ(conexion.dbName, "EMP01");
    EXPECT_EQ(conexion.usuario, "JPEREZ");
    EXPECT_EQ(gSesion().gUsuarioLogeado, "JPEREZ");
    EXPECT_EQ(gSesion().gPasswordUsuario, "clave1");
    EXPECT_EQ(gSesion().gParametroAdicional, "");
    EXPECT_EQ(gSesion().gCaja, "1");
}

TEST_F(ParametrosSesionTest, APasswordEqualToTheDatabaseNameBecomesTheMarker)
{
    interpretar(lineaDelMenu("emp01"));
    EXPECT_EQ(gSesion().gPasswordUsuario, "* *");
}

TEST_F(ParametrosSesionTest, AnEmptyLineLeavesTheConnectionEmpty)
{
    const ParametrosConexion conexion = interpretar("");
    EXPECT_EQ(conexion.servidor, "");
    EXPECT_EQ(conexion.dbName, "");
    EXPECT_EQ(gSesion().gUsuarioLogeado, "");
    EXPECT_EQ(gSesion().gPasswordUsuario, "* *");
    EXPECT_EQ(gSesion().gCaja, "1");
}

TEST_F(ParametrosSesionTest, KeysIgnoreCaseAndValuesLoseEveryEqualsSign)
{
    interpretar("@CAJA=3; @ParametroAdicional=a=b; @menu = Stock ;");
    EXPECT_EQ(gSesion().gCaja, "3");
    EXPECT_EQ(gSesion().gParametroAdicional, "ab");
    EXPECT_EQ(gSesion().gMenu, "Stock");
}

TEST_F(ParametrosSesionTest, TheFirstOccurrenceOfAKeyWinsEvenInsideALongerKey)
{
    const ParametrosConexion conexion = interpretar("@UsuarioLogeado = ANA; @usuario= JPEREZ;");
    EXPECT_EQ(conexion.usuario, "Logeado  ANA");
    EXPECT_EQ(gSesion().gUsuarioLogeado, "ANA");
}

TEST_F(ParametrosSesionTest, ABlankLoggedUserFallsBackToTheUser)
{
    interpretar(
        " ; @server=SRV1; @dbname=EMP01; @usuario= ana ; @Password=; @ParametroAdicional=; quro@ ;"
        " @UsuarioLogeado = ; @Caja=;");
    EXPECT_EQ(gSesion().gUsuarioLogeado, "ana");
    EXPECT_EQ(gSesion().gPasswordUsuario, "");
    EXPECT_EQ(gSesion().gCaja, "");
}

TEST_F(ParametrosSesionTest, AHashServerSelectsOracle)
{
    QString connString;
    const ParametrosConexion conexion =
        InterpretarLineaComando("@server=#ORCL; @dbname= PROD; @usuario=u1; @Password=p1;", connString);
    EXPECT_EQ(conexion.servidor, "ORCL");
    EXPECT_EQ(connString, "Provider=OraOLEDB.Oracle.1;Data Source=PROD;User Id=u1;Password=p1;");

    QString dada = "DADA";
    InterpretarLineaComando("@server=#ORCL; @dbname= PROD;", dada);
    EXPECT_EQ(dada, "DADA");
}

TEST_F(ParametrosSesionTest, AValueWithoutClosingSemicolonRunsToTheEndOfTheLine)
{
    EXPECT_EQ(ParametroLinea("@server=SRV1; @dbname= EMP01 ", "@DbName"), "EMP01");
    EXPECT_EQ(ParametroLinea("@server=SRV1;", "@DbName"), "");
}

TEST_F(ParametrosSesionTest, TheCallersLineReplacesTheProcessLineAndABlankOneMayFallBack)
{
    EXPECT_EQ(LineaComandoInicio(false, "@server=X;"), "@server=X;");
    EXPECT_EQ(LineaComandoInicio(true, "@server=X;"), "@server=X;");
    EXPECT_EQ(LineaComandoInicio(false, "   "), "   ");
    EXPECT_EQ(LineaComandoInicio(true, "   "), LineaUltimaConexion());
}

TEST_F(ParametrosSesionTest, TheLastConnectionIsComposedFromTheSettingsFile)
{
    writeProgramFile("du000ra.ini", "[" + NombreEquipoUsuario() + "BaseDeDatos]\r\n"
                                    "Servidor=SRV|2\r\nDbName=EMP02\r\n"
                                    "Usuario=" + QvFunciones::Encriptar("ana|m") + "\r\n"
                                    "UserPassWord=" + QvFunciones::Encriptar("s3creto") + "\r\n");
    EXPECT_EQ(LineaUltimaConexion(),
              "@server=SRV2; @dbname= EMP02; @usuario= anam; @Password= s3creto;"
              " @ParametroAdicional=; @Caja=1;quro@");

    QString connString;
    const ParametrosConexion conexion = InterpretarLineaComando(LineaUltimaConexion(), connString);
    EXPECT_EQ(conexion.servidor, "SRV2");
    EXPECT_EQ(gSesion().gUsuarioLogeado, "anam");
    EXPECT_EQ(gSesion().gPasswordUsuario, "s3creto");
}

TEST_F(ParametrosSesionTest, WithoutSettingsTheLastConnectionUsesTheDefaultUser)
{
    EXPECT_EQ(LineaUltimaConexion(),
              "@server=; @dbname= ; @usuario= Veltrix; @Password= trebolo;"
              " @ParametroAdicional=; @Caja=1;quro@");
}

TEST_F(ParametrosSesionTest, WorkstationSectionAndFlatToolbars)
{
    LeerSeccionEquipo();
    EXPECT_EQ(gSesion().gSeccionEquipo, NombreEquipoUsuario());
    EXPECT_TRUE(gSesion().gSeccionEquipo.endsWith("|JPEREZ"));
    EXPECT_EQ(gSesion().gFlatToolbars, 1.0);

    writeProgramFile("DU000RA.ini", "[" + NombreEquipoUsuario() + "]\r\nFlatToolbars=2\r\n");
    LeerSeccionEquipo();
    EXPECT_EQ(gSesion().gFlatToolbars, 2.0);

    writeProgramFile("DU000RA.ini", "[" + NombreEquipoUsuario() + "]\r\nFlatToolbars=plano\r\n");
    LeerSeccionEquipo();
    EXPECT_EQ(gSesion().gFlatToolbars, 0.0);
}

TEST_F(ParametrosSesionTest, AnUnreadableFlatToolbarsIsReportedByKeyAndValueAndTheDefaultIsUsed)
{
    writeProgramFile("DU000RA.ini", "[" + NombreEquipoUsuario() + "]\r\nFlatToolbars=1e999\r\n");
    operador->answer(vb::vbOK);
    LeerSeccionEquipo();

    EXPECT_EQ(gSesion().gFlatToolbars, 1.0);
    ASSERT_EQ(operador->boxes().size(), 1);
    EXPECT_TRUE(operador->boxes()[0].prompt.contains("FlatToolbars")) << operador->boxes()[0].prompt.toStdString();
    EXPECT_TRUE(operador->boxes()[0].prompt.contains("1e999"));
}

TEST_F(ParametrosSesionTest, ALongWorkstationSectionIsCutButTheLastConnectionUsesFullNames)
{
    const QByteArray largo(60, 'u');
    qputenv("USERNAME", largo);
    LeerSeccionEquipo();
    EXPECT_EQ(gSesion().gSeccionEquipo.size(), 50);
    EXPECT_TRUE(NombreEquipoUsuario().startsWith(gSesion().gSeccionEquipo));

    writeProgramFile("du000ra.ini", "[" + NombreEquipoUsuario() + "BaseDeDatos]\r\nServidor=LARGO\r\n");
    EXPECT_TRUE(LineaUltimaConexion().startsWith("@server=LARGO;"));
}
