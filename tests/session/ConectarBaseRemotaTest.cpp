#include "database/DB_Dll.h"
#include "session/BasesDeDatos.h"
#include "session/ConectarBaseRemota.h"
#include "session/Configuracion.h"
#include "session/VerificaConexion.h"
#include "support/DatabaseTest.h"
#include "support/QStringPrinter.h"

#include <QDateTime>

namespace {

constexpr char kPuntos[] = "TPVS";
constexpr char kPuntoDeVenta[] = "TPV01";

}  // namespace

class ConectarBaseRemotaTest : public EveryEngineTest {
protected:
    void SetUp() override
    {
        EveryEngineTest::SetUp();
        if (IsSkipped()) return;
        addServer(kPuntos, TestEngine::SQLite);
        createCompanyDatabase(kPuntoDeVenta, kPuntos);
        seed({"INSERT INTO V_TA_TPV (CODIGO, Descripcion, CONECTADO) VALUES ('0001', 'Centro', 1)",
              "INSERT INTO V_TA_TPV (CODIGO, Descripcion, CONECTADO) VALUES ('O''1', 'Norte', 1)"});
        openCompany();
    }

    db::Recordset puntoDeVenta(const QString& codigo)
    {
        return gBaseDatos().gCnn.Execute("SELECT * FROM V_TA_TPV WHERE CODIGO = '" + codigo + "'");
    }

    bool remotaAbierta() const { return gBaseRemota().gCnn.State() == db::ado::adStateOpen; }

    // The statistics database beside the company one, as the start-up opens it.
    void abrirEstadisticas()
    {
        createStatisticsDatabase("VX_ESTADISTICAS");
        VerificaConexionVX();
        ASSERT_EQ(gBaseDatosVX().gCnn.State(), db::ado::adStateOpen);
    }

    static QString ajusteVX(const char* clave)
    {
        QString auxiliar;
        return CfgVX(clave, auxiliar).trimmed();
    }
};

TEST_P(ConectarBaseRemotaTest, Port3306IsNeverTriedNorRecorded)
{
    EXPECT_FALSE(
        ConectarBaseRemota(gBaseDatos(), kPuntos, kPuntoDeVenta, kPuntoDeVenta, kPuntoDeVenta, "0001", " 3306 "));
    EXPECT_FALSE(remotaAbierta());
    db::Recordset punto = puntoDeVenta("0001");
    EXPECT_EQ(punto.Fields("CONECTADO").Value().toBool(), true);
    EXPECT_TRUE(punto.Fields("ULTIMA_DETECCION").Value().isNull());
}

TEST_P(ConectarBaseRemotaTest, AReachablePointOfSaleIsOpenAndMarkedConnected)
{
    seed({"UPDATE V_TA_TPV SET CONECTADO = 0"});
    EXPECT_TRUE(ConectarBaseRemota(gBaseDatos(), kPuntos, kPuntoDeVenta, kPuntoDeVenta, kPuntoDeVenta, "0001"));
    EXPECT_TRUE(remotaAbierta());
    EXPECT_EQ(gBaseRemota().gCnn.DefaultDatabase().toUpper(), kPuntoDeVenta);
    EXPECT_EQ(gBaseRemota().gCnn.CommandTimeout(), 360);
    EXPECT_EQ(puntoDeVenta("0001").Fields("CONECTADO").Value().toBool(), true);
    EXPECT_EQ(puntoDeVenta("O''1").Fields("CONECTADO").Value().toBool(), false);
    EXPECT_TRUE(operador->boxes().isEmpty());
}

TEST_P(ConectarBaseRemotaTest, AnUnreachablePointOfSaleIsMarkedWithTheTimeOfTheAttemptWithoutAWord)
{
    ASSERT_TRUE(ConectarBaseRemota(gBaseDatos(), kPuntos, kPuntoDeVenta, kPuntoDeVenta, kPuntoDeVenta, "0001"));
    EXPECT_FALSE(ConectarBaseRemota(gBaseDatos(), kPuntos, "NOEXISTE", "NOEXISTE", "NOEXISTE", "O'1"));
    EXPECT_FALSE(remotaAbierta());
    db::Recordset punto = puntoDeVenta("O''1");
    EXPECT_EQ(punto.Fields("CONECTADO").Value().toBool(), false);
    EXPECT_LE(std::abs(punto.Fields("ULTIMA_DETECCION").Value().toDateTime().secsTo(QDateTime::currentDateTime())),
              120);
    EXPECT_EQ(puntoDeVenta("0001").Fields("CONECTADO").Value().toBool(), true);
    EXPECT_TRUE(operador->boxes().isEmpty());
}

TEST_P(ConectarBaseRemotaTest, WithoutServerTheCentralServerIsReachedWithTheDefaultsWrittenDown)
{
    abrirEstadisticas();
    addServer(ServidorCentral::kDireccion, TestEngine::SQLite);
    createCompanyDatabase(ServidorCentral::kBase, ServidorCentral::kDireccion);
    EXPECT_TRUE(ConectarBaseRemota(gBaseDatos(), {}, {}, {}, {}, {}));
    EXPECT_TRUE(remotaAbierta());
    EXPECT_EQ(gBaseRemota().gServidor, ServidorCentral::kDireccion);
    EXPECT_EQ(ajusteVX("grServer"), ServidorCentral::kDireccion);
    EXPECT_EQ(ajusteVX("grdbname"), ServidorCentral::kBase);
    EXPECT_EQ(ajusteVX("gruser"), ServidorCentral::kBase);
    EXPECT_EQ(ajusteVX("grpass"), ServidorCentral::kPassword);
    EXPECT_EQ(ajusteVX("grServer1"), "");
}

TEST_P(ConectarBaseRemotaTest, APublicNameOfTheCentralServerBecomesItsAddress)
{
    abrirEstadisticas();
    GrabaCfgVX("grServer", ServidorCentral::kNombrePublico2);
    addServer(ServidorCentral::kDireccion, TestEngine::SQLite);
    createCompanyDatabase(ServidorCentral::kBase, ServidorCentral::kDireccion);
    EXPECT_TRUE(ConectarBaseRemota(gBaseDatos(), {}, {}, {}, {}, {}));
    EXPECT_EQ(ajusteVX("grServer"), ServidorCentral::kDireccion);
}

TEST_P(ConectarBaseRemotaTest, WhenTheFirstSetFailsTheSecondIsWrittenAndTried)
{
    abrirEstadisticas();
    addServer(ServidorCentral::kDireccion, TestEngine::SQLite);
    EXPECT_FALSE(ConectarBaseRemota(gBaseDatos(), {}, {}, {}, {}, {}));
    EXPECT_EQ(ajusteVX("grServer1"), ServidorCentral::kNombrePublicoRespaldo);
    EXPECT_EQ(ajusteVX("grdbname1"), ServidorCentral::kBase);
    EXPECT_EQ(ajusteVX("grpass1"), ServidorCentral::kPassword);

    GrabaCfgVX("grServer1", kPuntos);
    GrabaCfgVX("grdbname1", kPuntoDeVenta);
    EXPECT_TRUE(ConectarBaseRemota(gBaseDatos(), {}, {}, {}, {}, {}));
    EXPECT_EQ(gBaseRemota().gDBName, kPuntoDeVenta);
    EXPECT_TRUE(operador->boxes().isEmpty());
}

ON_EVERY_ENGINE(ConectarBaseRemotaTest);
