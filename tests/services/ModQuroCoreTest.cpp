#include "database/DB_Dll.h"
#include "platform/VbText.h"
#include "platform/os/System.h"
#include "services/EdgeDePrueba.h"
#include "services/MenuExes.h"
#include "services/ModQuroCore.h"
#include "services/PortalFalso.h"
#include "services/TextoURL.h"
#include "session/BasesDeDatos.h"
#include "session/Configuracion.h"
#include "session/Sesion.h"
#include "support/DatabaseTest.h"
#include "support/QStringPrinter.h"

namespace {
constexpr char kClaveSql[] = "clave&sql";
constexpr char kClaveSistema[] = "clave sistema";
}  // namespace

// The portal module "ventas/caja" opened through MenuExes, as a menu entry
// does, for user JPEREZ on the company database, with Edge on the path.
class ModQuroCoreTest : public DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        openCompany("JPEREZ");
        gBaseDatos().gUserPassWord = kClaveSql;
        gSesion().gPasswordUsuario = kClaveSistema;
        gSesion().gCaja = "1";
    }

    qint32 AbrirModulo(const QString& baseUrl)
    {
        QString programa = "SHELL:msedge --app=\"" + baseUrl + "/ventas/caja?directo=1\"";
        QString parametro;
        qint32 resultado = 0;
        MenuExes(gBaseDatos(), programa, parametro, resultado);
        return resultado;
    }

    // The one message shown, after checking its title and icon.
    QString MensajeUnico() const
    {
        EXPECT_EQ(operador->boxes().size(), 1);
        if (operador->boxes().isEmpty()) return {};
        EXPECT_EQ(operador->boxes().back().title, kTituloQuroCore);
        EXPECT_EQ(operador->boxes().back().buttons, vb::vbCritical);
        return operador->boxes().back().prompt;
    }

    QString Formulario(const QString& idBase = {}) const
    {
        return "servidor=LOCAL&baseDatos=EMPRESA&usuarioSql=EMPRESA&passwordSql=clave%26sql&usuarioSistema=JPEREZ"
               "&passwordSistema=clave%20sistema&modulo=ventas%2Fcaja&nombreSesion="
               + CodificarURL(os::executableName() + "|JPEREZ|" + os::computerName())
               + (idBase.isEmpty() ? QString() : "&idBaseCentral=" + idBase);
    }

    PortalFalso portal;
    EdgeDePrueba edge;
};

TEST_F(ModQuroCoreTest, ATicketOpensTheModulePageInAppModeAndTheFormCarriesTheSession)
{
    seed({"INSERT INTO TA_CONFIGURACION (GRUPO, CLAVE, VALOR) VALUES ('DATOS', 'QUROCORE_IDBASE', ' 7 ')"});
    portal.responder(200, " T+1/x \r\n");
    EXPECT_EQ(AbrirModulo(portal.baseUrl()), 1);

    EXPECT_EQ(escritorio->started,
              QStringList{edge.ruta() + " --app=" + portal.baseUrl() + "/vb6/consume?t=T%2B1%2Fx"});
    ASSERT_EQ(portal.pedidos().size(), 1);
    const PortalFalso::Pedido& pedido = portal.pedidos()[0];
    EXPECT_EQ(pedido.metodo, "POST");
    EXPECT_EQ(pedido.ruta, "/api/vb6/auth-ticket");
    EXPECT_EQ(pedido.cabeceras.value("content-type"), "application/x-www-form-urlencoded; charset=utf-8");
    EXPECT_EQ(pedido.cabeceras.value("accept"), "text/plain");
    EXPECT_EQ(QString::fromLatin1(pedido.cuerpo), Formulario("7"));
    EXPECT_TRUE(operador->boxes().isEmpty());
}

TEST_F(ModQuroCoreTest, A428AsksForTheBaseIdentifierStoresItAndAsksThePortalOnceMore)
{
    portal.responder(428);
    portal.responder(200, "T2");
    operador->answerInput(" 15 ");
    EXPECT_EQ(AbrirModulo(portal.baseUrl()), 1);

    ASSERT_EQ(portal.pedidos().size(), 2);
    EXPECT_EQ(QString::fromLatin1(portal.pedidos()[0].cuerpo), Formulario());
    EXPECT_EQ(QString::fromLatin1(portal.pedidos()[1].cuerpo), Formulario("15"));
    EXPECT_EQ(vb::Trim(Cfg("QUROCORE_IDBASE")), "15");
    EXPECT_EQ(escritorio->started, QStringList{edge.ruta() + " --app=" + portal.baseUrl() + "/vb6/consume?t=T2"});
    ASSERT_EQ(operador->boxes().size(), 1);
    EXPECT_EQ(operador->boxes()[0].title, "QuroCore - Falta un dato de configuracion");
}

TEST_F(ModQuroCoreTest, ASecond428ShowsItsExplanationAndDoesNotAskAgain)
{
    portal.responder(428);
    portal.responder(428, "falta idBaseCentral");
    operador->answerInput("15");
    operador->answer(vb::vbOK);
    EXPECT_EQ(AbrirModulo(portal.baseUrl()), 1) << "a portal command counts as handled";

    EXPECT_EQ(portal.pedidos().size(), 2);
    ASSERT_EQ(operador->boxes().size(), 2);
    const QString url = portal.baseUrl();
    EXPECT_EQ(operador->boxes()[1].prompt,
              "No se pudo obtener el ticket de QuroCore.\r\n\r\nHTTP: 428\r\nURL llamada: " + url
                  + "/api/vb6/auth-ticket\r\nURL base: " + url
                  + "\r\nModulo: ventas/caja\r\nServidor/Base SQL: LOCAL / EMPRESA\r\nUsuario sistema: JPEREZ\r\n\r\n"
                    "Pista: Falta configurar Cfg(\"QUROCORE_IDBASE\") en este equipo (Id de la base en QURO_CENTRAL)."
                    "\r\n\r\nRespuesta QuroCore:\r\nfalta idBaseCentral");
    EXPECT_TRUE(escritorio->started.isEmpty());
}

TEST_F(ModQuroCoreTest, AServerErrorShowsTheFirst500CharactersOfTheAnswer)
{
    const QByteArray cuerpo = QByteArray(499, 'x') + "Y" + QByteArray(300, 'z');
    portal.responder(500, cuerpo);
    operador->answer(vb::vbOK);
    AbrirModulo(portal.baseUrl());

    const QString mensaje = MensajeUnico();
    EXPECT_TRUE(mensaje.contains("HTTP: 500\r\n"));
    EXPECT_TRUE(mensaje.contains("Pista: QuroCore recibio la solicitud pero fallo del lado servidor."));
    EXPECT_TRUE(mensaje.endsWith("Respuesta QuroCore:\r\n" + QString(499, u'x') + "Y"));
    EXPECT_TRUE(escritorio->started.isEmpty());
}

TEST_F(ModQuroCoreTest, APortalThatCannotBeReachedIsReportedWithTheReason)
{
    const QString sinServicio = PortalFalso::direccionSinServicio();
    operador->answer(vb::vbOK);
    AbrirModulo(sinServicio);
    EXPECT_EQ(MensajeUnico(), "No se pudo solicitar el ticket a QuroCore.\r\nURL: " + sinServicio
                                  + "/api/vb6/auth-ticket\r\nModulo: ventas/caja\r\nBase: LOCAL / EMPRESA\r\n"
                                    "Detalle: El servidor rechazo la conexion.");
    EXPECT_TRUE(escritorio->started.isEmpty());
}

TEST_F(ModQuroCoreTest, AnAnswerThatNeverComesEndsAtTheTimeOut)
{
    const TiemposEspera anteriores = TiemposEsperaQuroCore();
    TiemposEsperaQuroCore().recepcion = 200;
    portal.callar();
    operador->answer(vb::vbOK);
    AbrirModulo(portal.baseUrl());
    TiemposEsperaQuroCore() = anteriores;

    EXPECT_EQ(portal.pedidos().size(), 1);
    EXPECT_TRUE(MensajeUnico().endsWith("Detalle: Se agoto el tiempo de espera (200 ms)."));
    EXPECT_TRUE(escritorio->started.isEmpty());
}

TEST_F(ModQuroCoreTest, ARedirectIsNotFollowedWithTheCredentials)
{
    PortalFalso otroHost;
    portal.responder(307, {}, "Location: " + otroHost.baseUrl().toLatin1() + "/api/vb6/auth-ticket\r\n");
    operador->answer(vb::vbOK);
    AbrirModulo(portal.baseUrl());

    EXPECT_EQ(otroHost.conexiones(), 0);
    const QString mensaje = MensajeUnico();
    EXPECT_TRUE(mensaje.contains("HTTP: 307\r\n"));
    EXPECT_TRUE(mensaje.contains("Pista: Revisar respuesta HTTP y logs de QuroCore."));
    EXPECT_TRUE(escritorio->started.isEmpty());
}

TEST_F(ModQuroCoreTest, CredentialsAreNotSentOverPlainHttpToAnotherComputer)
{
    operador->answer(vb::vbOK);
    AbrirModulo("http://portal.invalid:8080");
    EXPECT_EQ(MensajeUnico(),
              "No se enviaron las claves a QuroCore: la direccion no es segura.\r\n"
              "URL base: http://portal.invalid:8080\r\n"
              "Las claves solo viajan por https, o a un servicio de este mismo equipo.");
    EXPECT_TRUE(escritorio->started.isEmpty());
}

TEST_F(ModQuroCoreTest, APortalThatEchoesTheFormNeverShowsAPassword)
{
    portal.responder(400, "recibido: " + Formulario().toLatin1() + " clave sistema / clave&sql");
    operador->answer(vb::vbOK);
    AbrirModulo(portal.baseUrl());
    const QString mensaje = MensajeUnico();
    EXPECT_TRUE(mensaje.contains("Pista: La solicitud llego a QuroCore, pero algun dato enviado no es valido."));
    EXPECT_TRUE(mensaje.contains("passwordSql=********&"));
    EXPECT_FALSE(mensaje.contains("clave")) << mensaje.toStdString();
}

TEST_F(ModQuroCoreTest, AMissingValueIsReportedBeforeAnyRequest)
{
    gSesion().gPasswordUsuario = "  ";
    operador->answer(vb::vbOK);
    AbrirModulo(portal.baseUrl());
    EXPECT_EQ(MensajeUnico(), "Falta clave del sistema.");
    EXPECT_EQ(portal.conexiones(), 0);
}

TEST_F(ModQuroCoreTest, APageTheBrowserCannotShowIsReported)
{
    portal.responder(200, "T3");
    escritorio->failNext = 1;
    operador->answer(vb::vbOK);
    EXPECT_EQ(AbrirModulo(portal.baseUrl()), 1);
    const QString pagina = portal.baseUrl() + "/vb6/consume?t=T3";
    EXPECT_EQ(MensajeUnico(), "No se pudo abrir QuroCore en modo app de Edge.\r\nURL: " + pagina
                                  + "\r\nComando: msedge --app=" + pagina);
}
