#include "database/DB_Dll.h"
#include "platform/os/AnsiFile.h"
#include "platform/os/System.h"
#include "session/BasesDeDatos.h"
#include "session/ParametrosSesion.h"
#include "session/Sesion.h"
#include "session/VentanaAcceso.h"
#include "session/frmAcceso.h"
#include "suitesupport/QvFunciones.h"
#include "support/DatabaseTest.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

class frmAccesoTest : public DatabaseTest {
protected:
    QString bases() const { return QDir(programFolder()).filePath("BASES.TXT"); }
    QByteArray bytesDeBases() const
    {
        QFile archivo(bases());
        return archivo.open(QIODevice::ReadOnly) ? archivo.readAll() : QByteArray();
    }
    static QByteArray registro(const QString& nombre, const QString& base, const QString& servidor)
    {
        return (nombre + "," + base + "," + base + "," + QvFunciones::Encriptar(base) + "," + servidor + "\r\n")
            .toLatin1();
    }
    void registrarEmpresa() const { writeProgramFile("BASES.TXT", "EMPRESA / LOCAL,EMPRESA,EMPRESA,x,LOCAL\r\n"); }

    // The boxes as the operator leaves them.
    static void escribir(frmAcceso& ventana, const QString& usuario, const QString& password, const QString& base,
                         const QString& servidor)
    {
        ventana.TxtUserId->setText(usuario);
        ventana.TxtUserPassword->setText(password);
        ventana.TxtDbName->setText(base);
        ventana.TxtServidor->setText(servidor);
    }
};

TEST_F(frmAccesoTest, TheWindowOpensWithItsCaptionsTipsAndHints)
{
    frmAcceso ventana;
    EXPECT_EQ(ventana.windowTitle(), "Control de Acceso");
    for (QLineEdit* caja : {ventana.TxtUserId, ventana.TxtUserPassword, ventana.TxtDbName, ventana.TxtServidor})
        EXPECT_EQ(caja->text(), "") << "a blank box shows its hint, but holds nothing";
    EXPECT_EQ(ventana.TxtUserId->placeholderText(), "Ingrese el usuario");
    EXPECT_EQ(ventana.TxtUserPassword->echoMode(), QLineEdit::Password);
    EXPECT_EQ(ventana.TxtDbName->placeholderText(), "ingrese el nombre de la base de datos");
    EXPECT_EQ(ventana.TxtServidor->placeholderText(), "ingrese el nombre del servidor e instancia");
    EXPECT_EQ(ventana.TxtPuerto->text(), "1433");
    EXPECT_EQ(ventana.TxtUserId->toolTip(), "Ingrese el nombre de usuario");
    EXPECT_EQ(ventana.TxtUserPassword->toolTip(), "Ingrese la contraseña");
    EXPECT_EQ(ventana.TxtDbName->toolTip(), "ingrese el nombre de la base de datos");
    EXPECT_EQ(ventana.TxtServidor->toolTip(), "ingrese el nombre del servidor e instancia");
    EXPECT_EQ(ventana.TxtPuerto->toolTip(), "Ingrese el Puerto ");
    ASSERT_EQ(ventana.CboPlataformaDB->count(), 2);
    EXPECT_EQ(ventana.CboPlataformaDB->itemText(0), "SQL Server");
    EXPECT_EQ(ventana.CboPlataformaDB->itemText(1), "ORACLE");
    EXPECT_EQ(ventana.bcAceptar->text(), "Conectar");
    EXPECT_EQ(ventana.bcCancelar->text(), "Cancelar");
    EXPECT_EQ(ventana.CmdRegistrar->text(), "Registrar");
    EXPECT_EQ(ventana.CmdLineaComando->text(), "Crear Acceso Directo");
    EXPECT_EQ(ventana.Label1[1]->text(), "Conexiones registradas");
    EXPECT_EQ(ventana.Label1[2]->text(), "AUTENTICACION");
    EXPECT_EQ(ventana.Label7->text(), "QURO VEX");
    EXPECT_EQ(ventana.lstBases->count(), 0) << "no BASES.TXT, no registered connections";
    EXPECT_FALSE(ventana.lblSinConexiones->isHidden());
    EXPECT_TRUE(ventana.lblSinConexiones->text().contains("crear-demo")) << "says how to make the demo";

    ventana.TxtDbName->setText("   ");
    EXPECT_EQ(ventana.TxtDbName->text(), "") << "blanks leave the box empty, its hint showing";
}

// A clerk clicks into the user box, where the hint shows, and types.
TEST_F(frmAccesoTest, WhatIsTypedIntoABoxShowingItsHintIsAllItHolds)
{
    registrarEmpresa();
    frmAcceso ventana;
    ventana.show();
    QApplication::setActiveWindow(&ventana);
    QTest::mouseClick(ventana.TxtUserId, Qt::LeftButton);
    QTest::keyClicks(ventana.TxtUserId, "ADMIN");
    EXPECT_EQ(ventana.TxtUserId->text(), "ADMIN");
    EXPECT_TRUE(ventana.lblSinConexiones->isHidden()) << "a registered connection is listed instead";
}

TEST_F(frmAccesoTest, ThePlatformIsTheEngineTheServerIsRegisteredWith)
{
    writeProgramFile("servidores.ini",
                     registryEntry() + "[PG]\r\nmotor=odbc\r\ncadena=Driver={PostgreSQL Unicode};Server=x;\r\n");
    frmAcceso ventana;
    ventana.TxtServidor->setText("local");
    EXPECT_EQ(ventana.CboPlataformaDB->itemText(0), "SQLite");
    ventana.TxtServidor->setText("PG");
    EXPECT_EQ(ventana.CboPlataformaDB->itemText(0), "PostgreSQL Unicode");
    ventana.TxtServidor->setText("SRV1:1433");
    EXPECT_EQ(ventana.CboPlataformaDB->itemText(0), "SQL Server");
    EXPECT_EQ(ventana.CboPlataformaDB->itemText(1), "ORACLE");
}

TEST_F(frmAccesoTest, EnterWalksTheBoxesDownToConectar)
{
    frmAcceso ventana;
    ventana.show();
    QApplication::setActiveWindow(&ventana);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&ventana));
    ventana.TxtUserId->setFocus();
    for (QWidget* siguiente :
         QList<QWidget*>{ventana.TxtUserPassword, ventana.TxtDbName, ventana.TxtServidor, ventana.bcAceptar}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_EQ(QApplication::focusWidget(), siguiente);
    }
    EXPECT_TRUE(ventana.isVisible()) << "Enter in the boxes never connects";
    EXPECT_FALSE(ventana.Aceptar);
}

TEST_F(frmAccesoTest, TheFirstConnectionUsedIsRegisteredAndTheUserSignedIn)
{
    frmAcceso ventana;
    ventana.show();
    escribir(ventana, "ANA", "Secreto", "empresa", "local");
    ventana.bcAceptar->click();

    EXPECT_TRUE(ventana.Aceptar);
    EXPECT_FALSE(ventana.isVisible());
    EXPECT_EQ(gSesion().gUsuarioLogeado, "ANA");
    EXPECT_EQ(gSesion().gPasswordUsuario, "Secreto");
    EXPECT_EQ(bytesDeBases(), registro("EMPRESA / LOCAL", "empresa", "local"));
    EXPECT_TRUE(operador->boxes().isEmpty());
    EXPECT_TRUE(escritorio->started.isEmpty()) << "without ODBC.exe nothing is started";

    frmAcceso otra;
    ASSERT_EQ(otra.lstBases->count(), 1);
    EXPECT_EQ(otra.lstBases->currentItem()->text(), "EMPRESA / LOCAL");
    EXPECT_EQ(otra.TxtDbName->text(), "empresa");
    EXPECT_EQ(otra.TxtServidor->text(), "local");
    operador->answer(vb::vbOK);
    otra.CmdRegistrar->click();
    ASSERT_EQ(operador->boxes().size(), 1);
    EXPECT_EQ(operador->boxes()[0].prompt, "La conexion que intenta registrar ya existe ");
    EXPECT_EQ(operador->boxes()[0].title, "Atencion");
    EXPECT_EQ(bytesDeBases(), registro("EMPRESA / LOCAL", "empresa", "local"));
}

TEST_F(frmAccesoTest, SelectingARegisteredServerWithPortFillsServerAndPort)
{
    writeProgramFile("BASES.TXT", "OTRA / SRV9,otra,otra,x,srv9\r\nEMP01 / SRV1,emp01,emp01,"
                                      + QvFunciones::Encriptar("emp01") + ",srv1:1433\r\n");
    frmAcceso ventana;
    ASSERT_EQ(ventana.lstBases->count(), 2);
    EXPECT_EQ(ventana.TxtServidor->text(), "srv9") << "the first entry is selected at load";
    ventana.TxtPuerto->setText("99");
    ventana.lstBases->setCurrentRow(1);
    EXPECT_EQ(ventana.TxtServidor->text(), "SRV1");
    EXPECT_EQ(ventana.TxtPuerto->text(), "1433");
    EXPECT_EQ(ventana.TxtDbName->text(), "emp01");
    EXPECT_EQ(ventana.TxtUserPassword->text(), "");
}

TEST_F(frmAccesoTest, DoubleClickingARegisteredConnectionConnects)
{
    registrarEmpresa();
    frmAcceso ventana;
    ventana.show();
    QListWidget& lista = *ventana.lstBases;
    const QPoint centro = lista.visualItemRect(lista.item(0)).center();
    QTest::mouseClick(lista.viewport(), Qt::LeftButton, {}, centro);
    QTest::mouseDClick(lista.viewport(), Qt::LeftButton, {}, centro);
    EXPECT_TRUE(ventana.Aceptar);
    EXPECT_FALSE(ventana.isVisible());
}

TEST_F(frmAccesoTest, AConnectionThatCannotBeOpenedIsNotRegistered)
{
    registrarEmpresa();
    frmAcceso ventana;
    escribir(ventana, "ANA", "Secreto", "NOEXISTE", "LOCAL");
    operador->answer(vb::vbNo);
    operador->answer(vb::vbOK);
    ventana.CmdRegistrar->click();
    ASSERT_EQ(operador->boxes().size(), 2);
    EXPECT_EQ(operador->boxes()[0].title, " Error de Conexion a Base de Datos") << "the login typed was tried too";
    EXPECT_EQ(operador->boxes()[1].prompt,
              "NO SE PUDO CONECTAR AL SERVIDOR LOCAL VERIFIQUE EL NOMBRE DE USUARIO Y PASSWORD INGRESADO");
    EXPECT_EQ(operador->boxes()[1].title, "AVISO AL OPERADOR");
    EXPECT_EQ(bytesDeBases(), "EMPRESA / LOCAL,EMPRESA,EMPRESA,x,LOCAL\r\n");
}

TEST_F(frmAccesoTest, RegisteringStartsOdbcAndKeepsTheCompanyDatabaseOpen)
{
    registrarEmpresa();
    writeProgramFile("ODBC.exe", "");
    createCompanyDatabase("SUCURSAL");
    openCompany();
    frmAcceso ventana(gBaseDatos().gDBName);
    escribir(ventana, " ANA ", "Secreto", " sucursal ", " LOCAL ");
    ventana.CmdRegistrar->click();

    EXPECT_TRUE(operador->boxes().isEmpty());
    EXPECT_EQ(bytesDeBases(),
              "EMPRESA / LOCAL,EMPRESA,EMPRESA,x,LOCAL\r\n" + registro("SUCURSAL / LOCAL", "sucursal", "LOCAL"));
    EXPECT_EQ(escritorio->started,
              QStringList{QDir(programFolder()).filePath("ODBC.exe") + " Server=LOCAL;DB=EMPRESA;"});
    EXPECT_EQ(ventana.lstBases->count(), 2) << "the list is read again";
    EXPECT_EQ(gBaseDatos().gCnn.State(), db::ado::adStateOpen) << "the program's own connection stays open";
    EXPECT_EQ(gBaseDatos().gDBName, "EMPRESA");
}

TEST_F(frmAccesoTest, APortThatIsNotANumberIsReportedAndTheListReadAgain)
{
    frmAcceso ventana;
    escribir(ventana, "ANA", "x", "OTRA", "LOCAL");
    ventana.TxtPuerto->setText("abc");
    registrarEmpresa();
    operador->answer(vb::vbOK);
    ventana.CmdRegistrar->click();
    ASSERT_EQ(operador->boxes().size(), 1);
    EXPECT_TRUE(operador->boxes()[0].prompt.startsWith("SQL Server start failed.  \rSQL-DMO error:   13 "))
        << operador->boxes()[0].prompt.toStdString();
    EXPECT_EQ(ventana.lstBases->count(), 1);
}

TEST_F(frmAccesoTest, TheDesktopShortcutStartsTheProgramOnTheConnection)
{
    QTemporaryDir casa;
    const QByteArray casaAnterior = qgetenv("HOME");
    const QByteArray configuracionAnterior = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", casa.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", QDir(casa.path()).filePath("config").toLocal8Bit());
    const QString nombreAnterior = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName("Equivalencias");

    frmAcceso ventana;
    escribir(ventana, "ANA", "Secreto", "EMP01", "SRV1");
    operador->answer(vb::vbOK);
    operador->answer(vb::vbOK);
    ventana.CmdLineaComando->click();
    ventana.CmdLineaComando->click();

    const QString linea =
        " ; @server=SRV1; @dbname=EMP01; @usuario=ANA; @Password=; @ParametroAdicional=; "
        "quro@ ; @UsuarioLogeado = ; @Caja=;";
    QFile acceso(QDir(casa.path()).filePath("Desktop/Equivalencias.desktop"));
    ASSERT_TRUE(acceso.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(acceso.readAll()),
              "[Desktop Entry]\nType=Application\nName=Equivalencias\nExec=env EQUIV_CARPETA=" + programFolder() + " "
                  + os::executablePath() + " \"" + linea + "\"\nIcon=" + os::executablePath() + "\nTerminal=false\n");
    EXPECT_TRUE(acceso.permissions() & QFileDevice::ExeUser);
    ASSERT_EQ(operador->boxes().size(), 2);
    EXPECT_EQ(operador->boxes()[0].prompt, "Acceso directo creado correctamente en el escritorio.");
    EXPECT_EQ(operador->boxes()[0].title, "Acceso Directo");
    EXPECT_EQ(operador->boxes()[1].prompt, "El acceso directo ya existe.");

    QString conexion;
    const ParametrosConexion parametros = InterpretarLineaComando(linea, conexion);
    EXPECT_EQ(parametros.servidor, "SRV1");
    EXPECT_EQ(parametros.dbName, "EMP01");
    EXPECT_EQ(gSesion().gCaja, "") << "the key is there with no value";
    EXPECT_EQ(gSesion().gPasswordUsuario, "");

    QCoreApplication::setApplicationName(nombreAnterior);
    qputenv("HOME", casaAnterior);
    qputenv("XDG_CONFIG_HOME", configuracionAnterior);
}

TEST_F(frmAccesoTest, TheMakersAddressOpensInTheBrowser)
{
    frmAcceso ventana;
    ventana.Label8_Click();
    EXPECT_EQ(escritorio->opened, QStringList{frmAcceso::kSitioFabricante});
}

TEST_F(frmAccesoTest, AsTheLoginWindowItIsFilledAndReportsWhatWasTyped)
{
    registrarEmpresa();
    const std::unique_ptr<VentanaAcceso> login = crearVentanaAcceso();
    QString relleno;
    operador->onModal([&](QDialog& dialogo) {
        auto& ventana = dynamic_cast<frmAcceso&>(dialogo);
        relleno = ventana.TxtServidor->text() + "|" + ventana.TxtDbName->text() + "|" + ventana.TxtUserPassword->text()
                  + "|" + ventana.CboPlataformaDB->currentText();
        ventana.TxtUserId->setText("ANA");
        ventana.TxtDbName->clear();
        ventana.bcAceptar->click();
    });
    DatosAcceso datos{"EMPRESA", "LOCAL", "", "* *", 0};
    ASSERT_TRUE(login->Mostrar(datos));
    EXPECT_EQ(relleno, "LOCAL|EMPRESA|* *|SQLite");
    EXPECT_EQ(datos.usuario, "ANA");
    EXPECT_EQ(datos.dbName, "") << "a box left with its hint passes nothing";
    EXPECT_EQ(gSesion().gUsuarioLogeado, "ANA");
    EXPECT_EQ(gSesion().gPasswordUsuario, "* *");

    operador->onModal([](QDialog& dialogo) { dynamic_cast<frmAcceso&>(dialogo).bcCancelar->click(); });
    EXPECT_FALSE(login->Mostrar(datos));
}

TEST_F(frmAccesoTest, Screenshot)
{
    {
        frmAcceso primeraVez;
        primeraVez.show();
        QDir().mkpath(CAPTURAS_DIR);
        EXPECT_TRUE(primeraVez.grab().save(QDir(CAPTURAS_DIR).filePath("acceso-sin-conexiones.png")));
    }
    writeProgramFile("BASES.TXT",
                     "EMPRESA_DEMO / LOCAL,EMPRESA_DEMO,EMPRESA_DEMO,x,LOCAL\r\n"
                     "EMP01 / SRV1,EMP01,EMP01,x,srv1:1433\r\n");
    frmAcceso ventana;
    ventana.TxtUserId->setText("ADMIN");
    ventana.TxtUserPassword->setText("quro");
    ventana.show();
    QDir().mkpath(CAPTURAS_DIR);
    EXPECT_TRUE(ventana.grab().save(QDir(CAPTURAS_DIR).filePath("acceso.png")));
}
