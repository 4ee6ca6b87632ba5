#include "Relay.h"
#include "database/DB_Dll.h"
#include "equivalences/FrmEquivalencias.h"
#include "platform/ui/TextField.h"
#include "replication/ReplicaGrupo.h"
#include "support/DatabaseTest.h"
#include "support/QStringPrinter.h"

#include <QApplication>
#include <QRegularExpression>
#include <QTest>

#include <array>
#include <memory>
#include <optional>

// What one line saved with F2 costs across a link: the window's checks, the
// company's row and its copies to two points of sale, counted by the
// benches' relay between the program and the server.
class VueltasGrabacionTest : public EveryEngineTest {
protected:
    static constexpr int kMaximo = 15;
    static constexpr std::array kPuntos{"VUELTAS_TPV1", "VUELTAS_TPV2"};

    void SetUp() override
    {
        EveryEngineTest::SetUp();
        if (IsSkipped()) return;
        // Everything the program says to the server goes through the relay.
        static const QRegularExpression puerto(QStringLiteral("Port=(\\d+)"));
        const QString directo = registryEntry();
        relay.emplace(static_cast<std::uint16_t>(puerto.match(directo).captured(1).toUInt()),
                      std::chrono::microseconds(0));
        writeProgramFile("servidores.ini",
                         QString(directo).replace(puerto, "Port=" + QString::number(relay->puerto())));
        seed({"INSERT INTO V_TA_UNIDAD (IdUnidad, Descripcion) VALUES ('UN', 'Unidad'), ('KG', 'Kilogramo')",
              "INSERT INTO V_MA_ARTICULOS (IdArticulo, Descripcion, IdUnidad) VALUES ('A1', 'Harina', 'UN'), "
              "('A2', 'Azucar', 'UN')"});
        for (const char* punto : kPuntos) {
            createCompanyDatabase(punto);
            seed({QString("INSERT INTO V_TA_TPV (CODIGO, Descripcion, Server, Dbname, INTERNET, BAJA) "
                          "VALUES ('%1', '%2', '%3', '%2', 0, 0)")
                      .arg(QString(punto).right(4), punto, kServer)});
        }
        openCompany();
        replica = std::make_unique<ReplicaGrupo>(gBaseDatos());
        ventana = std::make_unique<FrmEquivalencias>(gBaseDatos(), *replica);
        ventana->show();
        QApplication::setActiveWindow(ventana.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(ventana.get()));
        ventana->FijarArticulo({});
        ventana->Inicializa();
    }

    void TearDown() override
    {
        ventana.reset();
        replica.reset();
        for (const char* punto : kPuntos) dropDatabase(punto);
        EveryEngineTest::TearDown();
    }

    void pulsar(Qt::Key tecla)
    {
        QTest::keyClick(ventana->focusWidget() ? ventana->focusWidget() : ventana.get(), tecla);
    }

    void teclear(const QString& texto)
    {
        auto* campo = qobject_cast<TextField*>(ventana->focusWidget());
        ASSERT_NE(campo, nullptr);
        campo->clear();
        QTest::keyClicks(campo, texto);
        QTest::keyClick(campo, Qt::Key_Return);
    }

    // A new line keyed in as a person does, then F2; the round trips of F2 alone.
    long grabarLinea(const QString& articulo)
    {
        pulsar(Qt::Key_F3);
        for (const QString& texto : {articulo, QString("UN"), QString("KG"), QString("2")}) teclear(texto);
        const long antes = relay->idasYVueltas();
        pulsar(Qt::Key_F2);
        return relay->idasYVueltas() - antes;
    }

    long filas(const QString& base, const QString& articulo) const
    {
        return read("SELECT COUNT(*) FROM S_TA_EQUIV WHERE IDARTICULO = '" + articulo
                        + "' AND IDUNIDAD = 'UN' AND IDUNIDAD_EQUIV = 'KG' AND COEFICIENTE = 2",
                    base)
            .Fields(0)
            .Value()
            .toLong();
    }

    std::optional<Relay> relay;
    std::unique_ptr<ReplicaGrupo> replica;
    std::unique_ptr<FrmEquivalencias> ventana;
};

TEST_P(VueltasGrabacionTest, F2OnOneLineCopiedToTwoPointsOfSaleCostsAtMostFifteenRoundTrips)
{
    // The first save of the session opens the links to the points of sale, which later ones keep.
    grabarLinea("A1");
    const long vueltas = grabarLinea("A2");
    for (const QString& base : {QString(kCompany), QString(kPuntos[0]), QString(kPuntos[1])})
        EXPECT_EQ(filas(base, "A2"), 1) << base.toStdString();
    EXPECT_LE(vueltas, kMaximo);
    EXPECT_TRUE(operador->boxes().isEmpty());
}

// The count means something only across a link.
INSTANTIATE_TEST_SUITE_P(Engines, VueltasGrabacionTest, ::testing::Values(TestEngine::PostgreSQL), engineName);
