#include "database/DB_Dll.h"
#include "equivalences/FrmEquivalencias.h"
#include "platform/ui/TextField.h"
#include "replication/ModGruposEmp.h"
#include "session/BasesDeDatos.h"
#include "support/DatabaseTest.h"
#include "support/ServerControl.h"

#include <QApplication>
#include <QTest>

// The window against a PostgreSQL server that restarts while it is open:
// once the server is back, every connection the program holds works again.
class FrmEquivalenciasReconexionTest : public EveryEngineTest {
protected:
    void SetUp() override
    {
        EveryEngineTest::SetUp();
        if (IsSkipped()) return;
        if (!server.available()) GTEST_SKIP() << "el servidor de prueba no se puede detener desde aquí";
        seed({"INSERT INTO V_TA_UNIDAD (IdUnidad, Descripcion) VALUES ('UN', 'Unidad'), ('CJ', 'Caja')",
              "INSERT INTO V_MA_ARTICULOS (IdArticulo, Descripcion, IdUnidad) VALUES ('A-1', 'Tornillo', 'UN')"});
        openCompany();
        ventana = std::make_unique<FrmEquivalencias>(gBaseDatos(), Service<Replicacion>::get());
        ventana->show();
        QApplication::setActiveWindow(ventana.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(ventana.get()));
        ventana->Inicializa();
    }

    void TearDown() override
    {
        ventana.reset();
        EveryEngineTest::TearDown();
    }

    QWidget* focused() const { return QApplication::focusWidget(); }
    void press(Qt::Key key) { QTest::keyClick(focused() ? focused() : ventana.get(), key); }
    void typeAndConfirm(const QString& text)
    {
        auto* target = qobject_cast<TextField*>(focused());
        ASSERT_NE(target, nullptr);
        target->clear();
        QTest::keyClicks(target, text);
        QTest::keyClick(target, Qt::Key_Return);
    }

    // A new equivalence of the article A-1, a box of 12 units, typed and saved.
    void recordABoxOfTwelve()
    {
        press(Qt::Key_F3);
        typeAndConfirm("A-1");
        typeAndConfirm("CJ");
        typeAndConfirm("UN");
        typeAndConfirm("12");
        press(Qt::Key_F2);
    }

    long savedBoxes() const
    {
        return gBaseDatos()
            .gCnn
            .Execute(
                "SELECT COUNT(*) FROM S_TA_EQUIV WHERE IDARTICULO = 'A-1' AND IDUNIDAD = 'CJ' "
                "AND IDUNIDAD_EQUIV = 'UN' AND COEFICIENTE = 12")
            .Fields(0)
            .Value()
            .toLong();
    }

    ServerControl server;
    std::unique_ptr<FrmEquivalencias> ventana;
};

TEST_P(FrmEquivalenciasReconexionTest, AfterTheServerRestartsANewEquivalenceIsSaved)
{
    server.stop();
    server.start();
    recordABoxOfTwelve();
    EXPECT_EQ(savedBoxes(), 1);
    EXPECT_TRUE(operador->boxes().isEmpty());
}

TEST_P(FrmEquivalenciasReconexionTest, AbortingAFailureDuringTheOutageLeavesNothingBroken)
{
    server.stop();
    operador->answer(vb::vbAbort);
    ventana->UtilVex1_Click("PLANILLA");
    ASSERT_EQ(operador->boxes().size(), 1) << "the spreadsheet cannot be read while the server is away";
    EXPECT_TRUE(escritorio->opened.isEmpty());

    server.start();
    recordABoxOfTwelve();
    EXPECT_EQ(savedBoxes(), 1);
    ventana->UtilVex1_Click("PLANILLA");
    EXPECT_EQ(escritorio->opened.size(), 1);
    EXPECT_EQ(operador->boxes().size(), 1);
}

INSTANTIATE_TEST_SUITE_P(Engines, FrmEquivalenciasReconexionTest, ::testing::Values(TestEngine::PostgreSQL),
                         engineName);
