#include "database/DB_Dll.h"
#include "equivalences/FrmEquivalencias.h"
#include "lookups/Dll_Display.h"
#include "platform/db/GroupedCommits.h"
#include "platform/os/System.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/TextField.h"
#include "replication/ModGruposEmp.h"
#include "replication/ReplicaGrupo.h"
#include "replication/ReplicaTest.h"
#include "session/BasesDeDatos.h"
#include "support/QStringPrinter.h"
#include "support/ServerControl.h"

#include <QTabWidget>
#include <QTimer>

namespace {

constexpr char kCentro[] = "TPV01";
constexpr char kPostgres[] = "TPVPG";
constexpr char kNorte[] = "TPV02_REPLICA";

}  // namespace

// The company on SQLite with a point of sale on SQLite, another in the
// throwaway PostgreSQL cluster and the group database on SQLite.
class ReplicaVariasBasesTest : public ReplicaTest {
protected:
    void SetUp() override
    {
        ReplicaTest::SetUp();
        if (IsSkipped()) return;
        if (!postgresAvailable()) GTEST_SKIP() << "no hay un servidor PostgreSQL de prueba";
        addServer(kPostgres, TestEngine::PostgreSQL);
        agregarPuntoDeVenta("0001", "Centro", kPuntos, kCentro);
        agregarPuntoDeVenta("0002", "Norte", kPostgres, kNorte);
        habilitarGrupo();
    }

    // Every target holds what the company holds.
    void esperarIgualesALaEmpresa() const
    {
        const QStringList empresa = equivalencias(kCompany, kServer);
        EXPECT_EQ(equivalencias(kCentro, kPuntos), empresa);
        EXPECT_EQ(equivalencias(kNorte, kPostgres), empresa);
        EXPECT_EQ(equivalencias(kBaseGrupo, kGrupo), empresa);
    }

    // `articulos` articles in KG, and the window ready to save KG→GR 1000 for all of them.
    void prepararGenerica(FrmEquivalencias& ventana, int articulos)
    {
        QStringList filas;
        for (int i = 0; i < articulos; ++i) filas.append(QString("('ART%1', 'Articulo %1', 'KG')").arg(100 + i));
        seed({"INSERT INTO V_TA_UNIDAD (IdUnidad, Descripcion) VALUES ('KG', 'Kilogramo'), ('GR', 'Gramo')",
              "INSERT INTO V_MA_ARTICULOS (IdArticulo, Descripcion, IdUnidad) VALUES " + filas.join(", ")});
        ventana.show();
        ventana.Inicializa();
        ventana.findChild<QTabWidget*>("SSTab1")->setCurrentIndex(1);
        ventana.findChild<TextField*>("Txtfields_4")->setText("KG");
        ventana.findChild<TextField*>("Txtfields_5")->setText("GR");
        ventana.findChild<TextField*>("Txtfields_6")->setText("1000");
    }

    bool marcaPendiente(const char* codigo) const
    {
        return contar(QString("SELECT COUNT(*) FROM V_TA_TPV WHERE PEND_ARTICULOS = 1 AND CODIGO = '") + codigo + "'")
               == 1;
    }
};

TEST_P(ReplicaVariasBasesTest, NumbersArriveExactly)
{
    grabar("A1", "CJ", "UN", "0.333333");
    grabar("A2", "CJ", "UN", "1234567.123456");
    esperarIgualesALaEmpresa();
    for (const auto& [base, servidor] : {std::pair{kCentro, kPuntos}, {kNorte, kPostgres}, {kBaseGrupo, kGrupo}}) {
        EXPECT_EQ(contar("SELECT COUNT(*) FROM S_TA_EQUIV WHERE COEFICIENTE = 0.333333", base, servidor), 1) << base;
        EXPECT_EQ(contar("SELECT COUNT(*) FROM S_TA_EQUIV WHERE COEFICIENTE = 1234567.123456", base, servidor), 1)
            << base;
    }
}

TEST_P(ReplicaVariasBasesTest, ACodeWithAnApostropheKeepsItsKey)
{
    grabar("O'1", "CJ", "UN", "12");
    EXPECT_EQ(equivalencias(kNorte, kPostgres), QStringList{"O'1 CJ UN = 12"});
    grabar("O'1", "CJ", "UN", "24");
    esperarIgualesALaEmpresa();
    borrar("O'1", "CJ", "UN");
    EXPECT_TRUE(equivalencias(kNorte, kPostgres).isEmpty());
    esperarIgualesALaEmpresa();
}

TEST_P(ReplicaVariasBasesTest, NullsStayNullAndTheWordNullStaysAText)
{
    grabar("null", "CJ", "UN", "NULL");
    grabar("A1", "CJ", "UN", "5", "1");
    grabar("A1", "CJ", "UN", "NULL", "NULL");
    EXPECT_EQ(
        contar("SELECT COUNT(*) FROM S_TA_EQUIV WHERE COEFICIENTE IS NULL AND PARATODOS IS NULL", kNorte, kPostgres),
        2);
    EXPECT_EQ(contar("SELECT COUNT(*) FROM S_TA_EQUIV WHERE IDARTICULO = 'null'", kNorte, kPostgres), 1);
    esperarIgualesALaEmpresa();
}

TEST_P(ReplicaVariasBasesTest, AGenericSaveWithAPointOfSaleStoppedHalfWayKeepsTheRestPendingUntilItIsBack)
{
    ServerControl servidor;
    if (!servidor.available()) GTEST_SKIP() << "el servidor de prueba no se puede detener desde aquí";
    // The banner lets events through at the first article, then every
    // kPasosEntreEventos articles or sooner: the server goes away the second
    // time, with two thirds of the save or more still to come.
    constexpr int kArticulos = 3 * Dll_Display::kPasosEntreEventos;
    FrmEquivalencias ventana(gBaseDatos(), Service<Replicacion>::get());
    ventana.FijarArticulosPorTramo(1);  // so that the server can go between articles
    prepararGenerica(ventana, kArticulos);
    bool parado = false;
    int pasadas = 0;
    QTimer reloj;
    QObject::connect(&reloj, &QTimer::timeout, [&] {
        if (parado || ++pasadas < 2) return;
        parado = true;
        servidor.stop();
    });
    reloj.start(0);
    operador->answer(vb::vbYes);
    operador->answer(vb::vbOK);
    EXPECT_NO_THROW(ventana.UtilVex1_Click("GRABAR")) << "the program ended";
    reloj.stop();
    ASSERT_TRUE(parado);

    const QStringList empresa = equivalencias(kCompany, kServer);
    EXPECT_EQ(empresa.size(), kArticulos);
    EXPECT_EQ(equivalencias(kCentro, kPuntos), empresa);
    EXPECT_EQ(equivalencias(kBaseGrupo, kGrupo), empresa);
    ASSERT_EQ(avisos().size(), 2);
    EXPECT_TRUE(
        avisos()[0].contains("\nSe replicará a: el Punto de ventas Centro, el Punto de ventas Norte, "
                             "la base de datos del grupo "))
        << "the question before the save names the targets: " << avisos()[0].toStdString();
    EXPECT_TRUE(avisos()[1].startsWith("Aviso al operador: No se pudo conectar al Punto de ventas Norte"))
        << avisos()[1].toStdString();
    EXPECT_EQ(pendientes("0001"), 0);
    EXPECT_TRUE(marcaPendiente("0002"));

    servidor.start();
    const QStringList antes = equivalencias(kNorte, kPostgres);
    EXPECT_LT(antes.size(), kArticulos);
    EXPECT_EQ(antes, empresa.mid(0, antes.size())) << "the rows written before it stopped";
    EXPECT_EQ(pendientes("0002"), kArticulos - antes.size());
    EXPECT_EQ(Service<Replicacion>::get().ReintentarPendientes(), 0);
    esperarIgualesALaEmpresa();
    EXPECT_EQ(pendientes("0002"), 0);
    EXPECT_FALSE(marcaPendiente("0002"));
    EXPECT_EQ(avisos().size(), 2);
}

namespace {

// The real copy, with a look at the targets each time a save is about to commit.
class ReplicaObservada : public ReplicaGrupo {
public:
    explicit ReplicaObservada(std::function<void()> alConfirmar)
        : ReplicaGrupo(gBaseDatos()), alConfirmar_(std::move(alConfirmar))
    {
    }
    void ConfirmarCopias() override
    {
        ReplicaGrupo::ConfirmarCopias();
        alConfirmar_();
    }

private:
    std::function<void()> alConfirmar_;
};

}  // namespace

TEST_P(ReplicaVariasBasesTest, WhenALongSaveCommitsEveryTargetAlreadyHoldsItsRows)
{
    constexpr int kArticulos = 2 * db::GroupedCommits::kRowsPerCommit + 50;
    QVector<long> empresa;
    QVector<long> centro;
    QVector<long> norte;
    const QString contarGenericas = "SELECT COUNT(*) FROM S_TA_EQUIV WHERE PARATODOS = 1";
    Service<Replicacion>::install(std::make_unique<ReplicaObservada>([&] {
        // The company's own connection sees the stretch about to be committed; the others see what is committed.
        empresa.append(gBaseDatos().gCnn.Execute(contarGenericas).Fields(0).Value().toLong());
        centro.append(contar(contarGenericas, kCentro, kPuntos));
        norte.append(contar(contarGenericas, kNorte, kPostgres));
    }));
    FrmEquivalencias ventana(gBaseDatos(), Service<Replicacion>::get());
    prepararGenerica(ventana, kArticulos);
    operador->answer(vb::vbYes);
    ventana.UtilVex1_Click("GRABAR");

    ASSERT_GE(empresa.size(), 3) << "one commit per stretch and one at the end";
    EXPECT_EQ(empresa.last(), kArticulos);
    EXPECT_EQ(centro, empresa);
    EXPECT_EQ(norte, empresa);
}

TEST_P(ReplicaVariasBasesTest, ATargetThatRefusesARowIsRecordedAndTheOthersAreServed)
{
    seedNative(
        {"CREATE FUNCTION rechazar() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN "
         "IF NEW.coeficiente > 1000 THEN RAISE EXCEPTION 'coeficiente rechazado'; END IF; RETURN NEW; END $$",
         "CREATE TRIGGER rechazo BEFORE INSERT OR UPDATE ON s_ta_equiv FOR EACH ROW EXECUTE FUNCTION rechazar()"},
        kNorte, kPostgres);
    Replicacion& replica = Service<Replicacion>::get();
    operador->answer(vb::vbOK);
    ASSERT_TRUE(replica.IniciarGrabacion());
    grabar("A1", "CJ", "UN", "5");
    grabar("A2", "CJ", "UN", "5000");
    grabar("A3", "CJ", "UN", "7");
    replica.TerminarGrabacion();

    EXPECT_EQ(equivalencias(kNorte, kPostgres), QStringList{"A3 CJ UN = 7"}) << "A1 went back with A2's stretch";
    EXPECT_EQ(equivalencias(kCentro, kPuntos).size(), 3);
    EXPECT_EQ(equivalencias(kBaseGrupo, kGrupo).size(), 3);
    ASSERT_EQ(avisos().size(), 1);
    EXPECT_TRUE(avisos()[0].startsWith("Atencion: Error en base de datos ")) << avisos()[0].toStdString();
    EXPECT_TRUE(avisos()[0].contains("coeficiente rechazado")) << avisos()[0].toStdString();
    db::Recordset error = read("SELECT * FROM AUX_ERR");
    ASSERT_FALSE(error.Eof());
    EXPECT_EQ(error.Fields("Proceso").Value().toText(), QString(kPostgres) + "/" + os::executableName());
    error.MoveNext();
    EXPECT_TRUE(error.Eof());
    EXPECT_EQ(pendientes("0002"), 2);
    EXPECT_EQ(pendientes("0001"), 0);
    EXPECT_TRUE(marcaPendiente("0002"));
    EXPECT_FALSE(marcaPendiente("0001"));
}

TEST_P(ReplicaVariasBasesTest, ATargetThatRefusesAStretchKeepsAllOfItPendingAndEnviarDeliversItOnce)
{
    seedNative({"CREATE FUNCTION rechazar() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN "
                "IF NEW.idarticulo = 'ART102' THEN RAISE EXCEPTION 'articulo rechazado'; END IF; RETURN NEW; END $$",
                "CREATE TRIGGER rechazo BEFORE INSERT ON s_ta_equiv FOR EACH ROW EXECUTE FUNCTION rechazar()"},
               kNorte, kPostgres);
    constexpr int kArticulos = 5;
    FrmEquivalencias ventana(gBaseDatos(), Service<Replicacion>::get());
    prepararGenerica(ventana, kArticulos);
    operador->answer(vb::vbYes);
    operador->answer(vb::vbOK);
    ventana.UtilVex1_Click("GRABAR");

    EXPECT_EQ(equivalencias(kCompany, kServer).size(), kArticulos);
    EXPECT_EQ(equivalencias(kCentro, kPuntos).size(), kArticulos) << "the other targets took the stretch";
    EXPECT_TRUE(equivalencias(kNorte, kPostgres).isEmpty()) << "one refused row takes its whole stretch back";
    EXPECT_EQ(pendientes("0002"), kArticulos);

    seedNative({"DROP TRIGGER rechazo ON s_ta_equiv"}, kNorte, kPostgres);
    EXPECT_EQ(Service<Replicacion>::get().ReintentarPendientes(), 0);
    esperarIgualesALaEmpresa();
    EXPECT_EQ(Service<Replicacion>::get().ReintentarPendientes(), 0) << "nothing is sent twice";
    EXPECT_EQ(equivalencias(kNorte, kPostgres).size(), kArticulos);
}

// Once, the company on SQLite; named after the cluster it needs beside it,
// so that CTest runs it while the cluster is up.
INSTANTIATE_TEST_SUITE_P(EmpresaSqlite, ReplicaVariasBasesTest, ::testing::Values(TestEngine::SQLite),
                         [](const ::testing::TestParamInfo<TestEngine>&) { return std::string("postgresql"); });
