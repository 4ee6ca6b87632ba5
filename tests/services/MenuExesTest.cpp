#include "database/DB_Dll.h"
#include "lookups/LanzadorNuevo.h"
#include "platform/os/AnsiFile.h"
#include "services/EdgeDePrueba.h"
#include "services/LanzadorMenuExes.h"
#include "services/MenuExes.h"
#include "session/BasesDeDatos.h"
#include "session/ParametrosSesion.h"
#include "session/Sesion.h"
#include "support/ProgramTest.h"
#include "support/QStringPrinter.h"

namespace {
constexpr char kClave[] = "s3creta";
constexpr char kTituloAtencion[] = "Atencion";
}  // namespace

class MenuExesTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        base.gServidor = "SRV01\\SQLEXPRESS";
        base.gDBName = "EMPRESA";
        gSesion().gUsuarioLogeado = "JPEREZ";
        gSesion().gPasswordUsuario = kClave;
        gSesion().gCaja = "2";
    }

    void TearDown() override
    {
        base.gServidor.clear();
        base.gDBName.clear();
        ProgramTest::TearDown();
    }

    // Runs MenuExes as its callers do, with `Resultado` 0.
    qint32 Ejecutar(QString programa, QString parametro = {})
    {
        qint32 resultado = 0;
        MenuExes(gBaseDatos(), programa, parametro, resultado);
        return resultado;
    }

    QString programa(const QString& nombre) const { return programFolder() + "/" + nombre; }

    // The parameter text a started program receives, for `parametro`.
    static QString ParametrosSesion(const QString& parametro)
    {
        return QString("; @server=SRV01\\SQLEXPRESS; @dbname=EMPRESA; @usuario=JPEREZ; @Password=") + kClave
               + "; @ParametroAdicional=" + parametro + "; quro@ ; @UsuarioLogeado = JPEREZ; @Caja=2;";
    }

    DB_Dll& base = gBaseDatos();
};

TEST_F(MenuExesTest, AProgramOfTheFolderReceivesTheSessionAsItsOneArgument)
{
    QString programaTexto = "SHELL:ABMTABLAS";
    QString parametro = "X TA_RUBROS";
    qint32 resultado = 0;
    MenuExes(gBaseDatos(), programaTexto, parametro, resultado);

    EXPECT_EQ(parametro, "TA_RUBROS");
    EXPECT_GT(resultado, 1) << "the started program's process id";
    ASSERT_EQ(escritorio->startedArguments.size(), 1);
    EXPECT_EQ(escritorio->started[0], programa("ABMTABLAS") + " " + ParametrosSesion("TA_RUBROS"));
    // The started program reads its session as the suite's programs do.
    const QString linea = escritorio->startedArguments[0].join(u' ');
    EXPECT_EQ(ParametroLinea(linea, "@ParametroAdicional"), "TA_RUBROS");
    EXPECT_EQ(ParametroLinea(linea, "@UsuarioLogeado"), "JPEREZ");
    EXPECT_EQ(ParametroLinea(linea, "@Caja"), "2");
    EXPECT_TRUE(operador->boxes().isEmpty());
}

TEST_F(MenuExesTest, TheProgramsNameIgnoresCaseAndThePrefixIsOptional)
{
    writeProgramFile("abmTablas", "#!/bin/sh\n");
    Ejecutar("SHELL:ABMTABLAS");
    Ejecutar("  abmtablas ");
    EXPECT_EQ(escritorio->started, (QStringList{programa("abmTablas") + " " + ParametrosSesion(""),
                                                programa("abmTablas") + " " + ParametrosSesion("")}));
}

TEST_F(MenuExesTest, TheParameterKeepsWhatFollowsItsFirstBlank)
{
    Ejecutar("shell:ABMTABLAS", "TA_UNIDAD");
    Ejecutar("shell:ABMTABLAS", "uno dos tres");
    EXPECT_EQ(escritorio->started, (QStringList{programa("ABMTABLAS") + " " + ParametrosSesion("TA_UNIDAD"),
                                                programa("ABMTABLAS") + " " + ParametrosSesion("dos tres")}));
}

TEST_F(MenuExesTest, AFullPathStartsAsGivenWithOrWithoutThePrefix)
{
    Ejecutar("shell:/opt/quro/ventas", "1");
    Ejecutar("/opt/quro/ventas", "1");
    EXPECT_EQ(escritorio->started,
              (QStringList{"/opt/quro/ventas " + ParametrosSesion("1"), "/opt/quro/ventas " + ParametrosSesion("1")}));
}

TEST_F(MenuExesTest, ALocalServicePageOpensOnTheDatabaseServersHost)
{
    QString programaTexto = "shell:http://localhost:5055/panel";
    QString parametro;
    qint32 resultado = 0;
    MenuExes(gBaseDatos(), programaTexto, parametro, resultado);
    EXPECT_EQ(resultado, 1);
    EXPECT_EQ(programaTexto, "http://SRV01:5055/panel");
    EXPECT_EQ(escritorio->opened, QStringList{"http://SRV01:5055/panel"});
    EXPECT_TRUE(escritorio->started.isEmpty());
}

TEST_F(MenuExesTest, ABrowserCommandStartsEdgeWithItsArguments)
{
    const EdgeDePrueba edge;
    EXPECT_EQ(Ejecutar("msedge"), 1);
    EXPECT_EQ(Ejecutar("shell:msedge https://x/y"), 1);
    EXPECT_EQ(Ejecutar("msedge --app=\"https://portal/ventas\""), 1) << "no directo=1: not the portal";
    EXPECT_EQ(Ejecutar("msedge --app=http://portal/?directo=1"), 1) << "no module: not the portal";
    EXPECT_EQ(escritorio->started,
              (QStringList{edge.ruta(), edge.ruta() + " https://x/y", edge.ruta() + " --app=https://portal/ventas",
                           edge.ruta() + " --app=http://portal/?directo=1"}));
    EXPECT_TRUE(operador->boxes().isEmpty());
}

TEST_F(MenuExesTest, WhenEdgeCannotStartOnlyItsMessageIsShown)
{
    const EdgeDePrueba edge;
    escritorio->failNext = 1;
    operador->answer(vb::vbOK);
    EXPECT_EQ(Ejecutar("shell:msedge https://x/y"), 0);
    ASSERT_EQ(operador->boxes().size(), 1);
    EXPECT_EQ(operador->boxes()[0].prompt, "No se pudo abrir Microsoft Edge.\r\nmsedge https://x/y");
    EXPECT_EQ(operador->boxes()[0].title, kTituloAtencion);
    EXPECT_EQ(operador->boxes()[0].buttons, vb::vbCritical);
}

TEST_F(MenuExesTest, AProgramThatDoesNotStartGoesToTheErrorTreatmentWithoutThePassword)
{
    escritorio->failNext = 1;
    operador->answer(vb::vbIgnore);
    operador->answer(vb::vbOK);
    EXPECT_EQ(Ejecutar("shell:NOEXISTE"), 0);

    ASSERT_EQ(operador->boxes().size(), 2);
    EXPECT_EQ(operador->boxes()[0].prompt,
              "Ha ocurrido el Siguiente Error (53) No se pudo iniciar el programa " + programa("NOEXISTE"));
    EXPECT_TRUE(operador->boxes()[0].title.contains(" - MenuExes Aviso al operador!!! - 2 "));
    EXPECT_EQ(operador->boxes()[1].prompt, "Opcion no Implementada!\rComuniquese con su proveedor de sistemas");
    EXPECT_EQ(operador->boxes()[1].title, kTituloAtencion);
    EXPECT_EQ(operador->boxes()[1].buttons, vb::vbCritical);
    const std::optional<QString> log = os::readAnsiFile(tempFolder() + "/VXERR.LOG");
    ASSERT_TRUE(log);
    EXPECT_TRUE(log->contains("MenuExes"));
    EXPECT_FALSE(log->contains(kClave));
}

TEST_F(MenuExesTest, RetryStartsTheProgramAgainAndAbortLeavesQuietly)
{
    escritorio->failNext = 1;
    operador->answer(vb::vbRetry);
    EXPECT_GT(Ejecutar("shell:ABMTABLAS"), 1);
    EXPECT_EQ(escritorio->started.size(), 1);

    escritorio->failNext = 1;
    operador->answer(vb::vbAbort);
    EXPECT_EQ(Ejecutar("shell:ABMTABLAS"), 0);
    EXPECT_EQ(operador->boxes().size(), 2) << "one error box per failure, no other message";
}

TEST_F(MenuExesTest, TheLookupsNewCommandReachesMenuExesThroughItsSeam)
{
    Service<LanzadorNuevo>::install(std::make_unique<LanzadorMenuExes>(gBaseDatos()));
    QString programaTexto = "SHELL:ABMTABLAS";
    QString parametro = "V_TA_UNIDAD";
    qint32 resultado = 0;
    Service<LanzadorNuevo>::get().MenuExes(programaTexto, parametro, resultado);
    EXPECT_GT(resultado, 1);
    EXPECT_EQ(escritorio->started, QStringList{programa("ABMTABLAS") + " " + ParametrosSesion("V_TA_UNIDAD")});
}

TEST_F(MenuExesTest, AbrirURLReportsABlankAddressAndOneTheDesktopCannotOpen)
{
    operador->answer(vb::vbOK);
    operador->answer(vb::vbOK);
    AbrirURL("   ");
    escritorio->failNext = 1;
    AbrirURL(" https://x/y ");
    EXPECT_TRUE(escritorio->opened.isEmpty());
    ASSERT_EQ(operador->boxes().size(), 2);
    EXPECT_EQ(operador->boxes()[0].prompt, "URL vacia");
    EXPECT_EQ(operador->boxes()[0].buttons, vb::vbExclamation);
    EXPECT_EQ(operador->boxes()[1].prompt, "No se pudo abrir la URL: https://x/y");
    EXPECT_EQ(operador->boxes()[1].buttons, vb::vbCritical);
}
