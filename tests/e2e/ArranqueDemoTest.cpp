#include "DatosDemo.h"
#include "database/DB_Dll.h"
#include "equivalences/FrmEquivalencias.h"
#include "platform/ui/QtDialogs.h"
#include "replication/ModGruposEmp.h"
#include "session/BasesDeDatos.h"
#include "session/Sesion.h"
#include "session/VentanaAcceso.h"
#include "session/frmAcceso.h"
#include "support/DatabaseTest.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

// The program as a newcomer meets it: the demo made once with crear-demo,
// then the program started from the desktop's menu, without a command line,
// its login window shown by Qt's own modal loop.
class ArranqueDemoTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        resetSharedObjects();
        OpcionesDemo demo;
        demo.carpeta = programFolder();
        demo.articulos = 40;
        crearDatosDemo(demo);
        Service<VentanaAcceso>::install(crearVentanaAcceso());
        guionizados_ = Service<Dialogs>::install(std::make_unique<QtDialogs>());
        QObject::connect(&operadorReal_, &QTimer::timeout, [this] { actuar(); });
        operadorReal_.start(5);
    }

    void TearDown() override
    {
        operadorReal_.stop();
        Service<Dialogs>::install(std::move(guionizados_));
        resetSharedObjects();
        ProgramTest::TearDown();
    }

    QStringList ofrecidas;  // what "Conexiones registradas" listed
    QStringList avisos;     // message boxes, which a sound start does not show

private:
    // Plays the operator in whatever modal window is up.
    void actuar()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* caja = qobject_cast<QMessageBox*>(modal)) {
            avisos.append(caja->text());
            caja->buttons().constLast()->click();
        }
        if (auto* acceso = qobject_cast<frmAcceso*>(modal); acceso && ofrecidas.isEmpty()) entrarEnLaDemo(*acceso);
    }

    // Chooses the first registered connection and signs in as the demo user.
    void entrarEnLaDemo(frmAcceso& acceso)
    {
        QApplication::setActiveWindow(&acceso);
        QListWidget& lista = *acceso.lstBases;
        for (int fila = 0; fila < lista.count(); ++fila) ofrecidas.append(lista.item(fila)->text());
        if (lista.count() == 0) {
            acceso.bcCancelar->click();
            return;
        }
        QTest::mouseClick(lista.viewport(), Qt::LeftButton, {}, lista.visualItemRect(lista.item(0)).center());
        acceso.TxtUserId->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(acceso.TxtUserId, kUsuarioDemo);
        QTest::keyClick(acceso.TxtUserId, Qt::Key_Return);
        QTest::keyClicks(acceso.focusWidget(), kClaveDemo);
        acceso.bcAceptar->click();
    }

    std::unique_ptr<Dialogs> guionizados_;
    QTimer operadorReal_;
};

TEST_F(ArranqueDemoTest, TheLoginWindowOffersTheDemoAndItsUserOpensTheMainWindow)
{
    FrmEquivalencias ventana(gBaseDatos(), Service<Replicacion>::get());
    ASSERT_TRUE(ventana.Form_Load());
    ventana.show();

    EXPECT_EQ(ofrecidas, QStringList{"EMPRESA_DEMO / LOCAL"});
    EXPECT_EQ(avisos, QStringList{});
    EXPECT_EQ(gBaseDatos().gServidor, kServidorDemo);
    EXPECT_EQ(gBaseDatos().gDBName, kEmpresaDemo);
    EXPECT_EQ(gBaseDatos().gCnn.State(), db::ado::adStateOpen);
    EXPECT_EQ(gSesion().gUsuarioLogeado, kUsuarioDemo);
    EXPECT_EQ(gSesion().gPasswordUsuario, kClaveDemo) << "typed into the password box after Enter";
    EXPECT_TRUE(ventana.isVisible()) << "a start that cannot be completed ends the program";
}
