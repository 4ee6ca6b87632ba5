#include "database/DB_Dll.h"
#include "platform/ProgramEnd.h"
#include "session/BasesDeDatos.h"
#include "session/frmReconectar.h"
#include "support/DatabaseTest.h"
#include "support/ServerControl.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

namespace {

constexpr char kLossTitle[] = "Conexión a la base de datos";

frmReconectar* reconnectionWindow()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* found = qobject_cast<frmReconectar*>(window); found && found->isVisible()) return found;
    }
    return nullptr;
}

}  // namespace

class ReconexionTest : public EveryEngineTest {
protected:
    void SetUp() override
    {
        EveryEngineTest::SetUp();
        if (IsSkipped()) return;
        if (!server.available()) GTEST_SKIP() << "el servidor de prueba no se puede detener desde aquí";
        seed({"INSERT INTO V_TA_UNIDAD (IdUnidad, Descripcion) VALUES ('UN', 'Unidad')"});
        openCompany();
    }

    bool readUnits()
    {
        db::Recordset rows;
        base.AbrirRecordset("SELECT * FROM V_TA_UNIDAD", rows);
        return rows.State() == db::ado::adStateOpen && !rows.Eof();
    }

    long unitCount()
    {
        db::Recordset rows;
        base.AbrirRecordset("SELECT COUNT(*) AS N FROM V_TA_UNIDAD", rows);
        return rows.Fields("N").Value().toLong();
    }

    DB_Dll& base = gBaseDatos();
    ServerControl server;
};

TEST_P(ReconexionTest, AQuietReconnectionShowsNothingEveryTime)
{
    for (int loss = 0; loss < 3; ++loss) {
        server.stop();
        server.start();
        EXPECT_TRUE(readUnits()) << "loss " << loss;
    }
    EXPECT_TRUE(operador->boxes().isEmpty());
    EXPECT_TRUE(base.gOpenFlag);
}

TEST_P(ReconexionTest, ALongerOutageAsksThenTheWindowReconnectsAndWorkGoesOn)
{
    server.stop();
    operador->answer(vb::vbYes);
    QString shownText;
    QTimer::singleShot(300, [&] {
        if (frmReconectar* window = reconnectionWindow()) {
            shownText = window->lblMensaje->text();
            QDir().mkpath(CAPTURAS_DIR);
            window->grab().save(QDir(CAPTURAS_DIR).filePath("reconectar.png"));
        }
    });
    server.startAfter(1500);
    EXPECT_TRUE(readUnits());

    ASSERT_EQ(operador->boxes().size(), 1);
    EXPECT_EQ(operador->boxes()[0].title, kLossTitle);
    EXPECT_EQ(operador->boxes()[0].buttons, vb::vbYesNo + vb::vbCritical);
    EXPECT_EQ(operador->boxes()[0].prompt,
              "SE PERDIÓ LA CONEXION CON EL SERVIDOR. (LOCAL) \r\n\r\n¿Querés que intentemos reconectar (Sí) \r\n"
              "o cerrar la aplicación (No)?");
    EXPECT_EQ(shownText, "AbrirRecordset\r\nIntentando reconectar con el servidor...");
    EXPECT_EQ(reconnectionWindow(), nullptr) << "the window goes away with the series";
}

TEST_P(ReconexionTest, TheRetryButtonWaitsForTheLastAttemptOfASeries)
{
    server.stop();
    operador->answer(vb::vbYes);
    QVector<std::pair<int, bool>> seen;
    QTimer sampler;
    QObject::connect(&sampler, &QTimer::timeout, [&] {
        if (frmReconectar* window = reconnectionWindow()) {
            seen.append({window->prgIntentos->value(), window->CmdReintentar->isEnabled()});
        }
    });
    sampler.start(50);
    server.startAfter(5800);  // past the first series of ten attempts
    EXPECT_TRUE(readUnits());
    sampler.stop();

    bool reachedTheEnd = false;
    for (const auto& [progress, retryEnabled] : seen) {
        if (progress < 100) {
            EXPECT_FALSE(retryEnabled) << progress;
        }
        if (progress == 100 && retryEnabled) reachedTheEnd = true;
    }
    EXPECT_TRUE(reachedTheEnd) << "the bar reaches 100 on the last attempt, with Reintentar enabled";
}

TEST_P(ReconexionTest, AnsweringNoEndsTheProgram)
{
    server.stop();
    operador->answer(vb::vbNo);
    EXPECT_FALSE(readUnits());
    EXPECT_TRUE(programEndRequested());
}

TEST_P(ReconexionTest, CerrarSistemaEndsTheProgram)
{
    server.stop();
    operador->answer(vb::vbYes);
    QTimer::singleShot(700, [] {
        if (frmReconectar* window = reconnectionWindow()) window->cmdCancelar->click();
    });
    EXPECT_FALSE(readUnits());
    EXPECT_TRUE(programEndRequested());
}

TEST_P(ReconexionTest, StatementsAndLookupsRunAgainAfterAQuietReconnection)
{
    server.stop();
    server.start();
    base.EjecutaConsultaSQL("INSERT INTO V_TA_UNIDAD (IdUnidad, Descripcion) VALUES ('KG', 'Kilogramo')");
    EXPECT_EQ(unitCount(), 2);

    server.stop();
    server.start();
    EXPECT_TRUE(base.ExisteEnTabla("V_TA_UNIDAD", "KG", "IdUnidad"));
    server.stop();
    server.start();
    EXPECT_EQ(base.DatosTabla("V_TA_UNIDAD", "KG", "Descripcion", "IdUnidad").toText(), "Kilogramo");
    EXPECT_TRUE(operador->boxes().isEmpty());
}

TEST_P(ReconexionTest, ATransactionIsNeverRunAgain)
{
    server.stop();
    server.start();
    base.EjecutaConsultaSQL("BEGIN TRANSACTION\rINSERT INTO V_TA_UNIDAD (IdUnidad) VALUES ('LT')\rCOMMIT TRANSACTION");
    EXPECT_EQ(unitCount(), 1) << "the script was not retried after the lost link";
    EXPECT_TRUE(operador->boxes().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Engines, ReconexionTest, ::testing::Values(TestEngine::PostgreSQL), engineName);

// A series that starts again after its last attempt offers no retry until its own last one.
TEST(frmReconectarTest, ANewSeriesTakesBackTheRetryOfTheLastOne)
{
    frmReconectar ventana;
    ventana.Empezar("AbrirRecordset", "EMPRESA");
    ventana.Avanzar(100, true);
    ASSERT_TRUE(ventana.CmdReintentar->isEnabled());
    ventana.Empezar("AbrirRecordset", "EMPRESA");
    EXPECT_FALSE(ventana.CmdReintentar->isEnabled());
    EXPECT_EQ(ventana.prgIntentos->value(), 0);
}
