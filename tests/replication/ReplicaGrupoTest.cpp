#include "database/DB_Dll.h"
#include "database/TablasPropias.h"
#include "platform/os/System.h"
#include "platform/ui/Dialogs.h"
#include "replication/GrabacionConReplica.h"
#include "replication/ListaPendientes.h"
#include "replication/ModGruposEmp.h"
#include "replication/ReplicaGrupo.h"
#include "replication/ReplicaTest.h"
#include "session/BasesDeDatos.h"
#include "support/PedirReplica.h"
#include "support/QStringPrinter.h"

#include <QTimer>

namespace {

constexpr char kCentro[] = "TPV01";
constexpr char kNorte[] = "TPV02";

// Records in a point of sale's database which columns each UPDATE set.
QStringList registroDeCambios()
{
    return {"CREATE TABLE CAMBIOS (ID integer PRIMARY KEY AUTOINCREMENT, COLUMNA varchar(20))",
            "CREATE TRIGGER cambio_coeficiente AFTER UPDATE OF COEFICIENTE ON S_TA_EQUIV "
            "BEGIN INSERT INTO CAMBIOS (COLUMNA) VALUES ('COEFICIENTE'); END",
            "CREATE TRIGGER cambio_paratodos AFTER UPDATE OF PARATODOS ON S_TA_EQUIV "
            "BEGIN INSERT INTO CAMBIOS (COLUMNA) VALUES ('PARATODOS'); END",
            "CREATE TRIGGER cambio_clave AFTER UPDATE OF IDARTICULO, IDUNIDAD, IDUNIDAD_EQUIV ON S_TA_EQUIV "
            "BEGIN INSERT INTO CAMBIOS (COLUMNA) VALUES ('CLAVE'); END"};
}

}  // namespace

class ReplicaGrupoTest : public ReplicaTest {
protected:
    void SetUp() override
    {
        ReplicaTest::SetUp();
        if (IsSkipped()) return;
        agregarPuntoDeVenta("0001", "Centro", kPuntos, kCentro, ", OL_ExceptoArticulos", ", 0");
        agregarPuntoDeVenta("0002", "Norte", kPuntos, kNorte);
    }

    // Centro refuses a coefficient over 1000, as a target's own rule may.
    void elCentroRechazaCoeficientesAltos()
    {
        seedNative({"CREATE TRIGGER rechazo BEFORE INSERT ON S_TA_EQUIV WHEN NEW.COEFICIENTE > 1000 "
                    "BEGIN SELECT RAISE(ABORT, 'coeficiente rechazado'); END"},
                   kCentro, kPuntos);
    }

    // One save of A1, A2... (CJ to UN) with these coefficients; its one box is answered.
    void grabarEnUnaGrabacion(const QStringList& coeficientes)
    {
        operador->answer(vb::vbOK);
        Replicacion& replica = Service<Replicacion>::get();
        ASSERT_TRUE(replica.IniciarGrabacion());
        for (int i = 0; i < coeficientes.size(); ++i) grabar(QString("A%1").arg(i + 1), "CJ", "UN", coeficientes[i]);
        replica.TerminarGrabacion();
    }

    QStringList cambiosEnElCentro() const
    {
        QStringList columnas;
        for (db::Recordset filas = read("SELECT COLUMNA FROM CAMBIOS ORDER BY ID", kCentro, kPuntos); !filas.Eof();
             filas.MoveNext())
            columnas.append(filas.Fields(0).Value().toText());
        return columnas;
    }
};

TEST_P(ReplicaGrupoTest, ASavedRowReachesEveryPointOfSaleAndADeletedOneLeavesThem)
{
    grabar("A1", "CJ", "UN", "12");
    grabar("A2", "CJ", "UN", "6", "1");
    const QStringList esperadas{"A1 CJ UN = 12", "A2 CJ UN = 6 *"};
    EXPECT_EQ(equivalencias(kCentro, kPuntos), esperadas);
    EXPECT_EQ(equivalencias(kNorte, kPuntos), esperadas);

    borrar("A1", "CJ", "UN");
    EXPECT_EQ(equivalencias(kCentro, kPuntos), QStringList{"A2 CJ UN = 6 *"});
    EXPECT_EQ(equivalencias(kNorte, kPuntos), QStringList{"A2 CJ UN = 6 *"});
    EXPECT_TRUE(operador->boxes().isEmpty());
    EXPECT_EQ(contar("SELECT COUNT(*) FROM REPLICA_PENDIENTES"), 0);
}

TEST_P(ReplicaGrupoTest, AChangedRowGetsAnUpdateOfItsDifferingColumnsOnly)
{
    grabar("A1", "CJ", "UN", "12");
    seedNative(registroDeCambios(), kCentro, kPuntos);
    grabar("A1", "CJ", "UN", "24");
    EXPECT_EQ(cambiosEnElCentro(), QStringList{"COEFICIENTE"});
    EXPECT_EQ(equivalencias(kCentro, kPuntos), QStringList{"A1 CJ UN = 24"});
}

TEST_P(ReplicaGrupoTest, AnUnchangedRowAndAChangeOfLetterCaseOnlySendNothing)
{
    grabar("a1", "CJ", "UN", "12");
    seedNative(registroDeCambios(), kCentro, kPuntos);
    replicar(1, "a1", "CJ", "UN");
    seed({"UPDATE S_TA_EQUIV SET IDARTICULO = 'A1'"});
    replicar(1, "A1", "CJ", "UN");
    EXPECT_TRUE(cambiosEnElCentro().isEmpty());
    EXPECT_EQ(equivalencias(kCentro, kPuntos), QStringList{"a1 CJ UN = 12"});
}

TEST_P(ReplicaGrupoTest, InternetWithdrawnAndRefusingPointsOfSaleGetNothing)
{
    agregarPuntoDeVenta("0003", "Web", kPuntos, "TPV03");
    seed({"UPDATE V_TA_TPV SET INTERNET = 1 WHERE CODIGO = '0003'"});
    agregarPuntoDeVenta("0004", "Cerrado", kPuntos, "TPV04");
    seed({"UPDATE V_TA_TPV SET BAJA = 1 WHERE CODIGO = '0004'"});
    agregarPuntoDeVenta("0005", "Sin articulos", kPuntos, "TPV05", ", OL_ExceptoArticulos", ", 1");
    grabar("A1", "CJ", "UN", "12");
    for (const char* base : {"TPV03", "TPV04", "TPV05"}) EXPECT_TRUE(equivalencias(base, kPuntos).isEmpty()) << base;
    EXPECT_EQ(equivalencias(kNorte, kPuntos), QStringList{"A1 CJ UN = 12"});
}

TEST_P(ReplicaGrupoTest, APointOfSaleWithoutServerIsLeftOutAndNothingOfItsGoesToTheGroupServer)
{
    habilitarGrupo();
    createCompanyDatabase("TPV06", kGrupo);
    agregarPuntoDeVenta("0006", "Sin servidor", " ", "TPV06", {}, {}, false);
    grabar("A1", "CJ", "UN", "12");
    EXPECT_TRUE(equivalencias("TPV06", kGrupo).isEmpty());
    EXPECT_EQ(equivalencias(kBaseGrupo, kGrupo), QStringList{"A1 CJ UN = 12"});
    EXPECT_TRUE(operador->boxes().isEmpty());
}

TEST_P(ReplicaGrupoTest, TheGroupDatabaseFollowsItsOperationSwitches)
{
    habilitarGrupo("101");
    grabar("A1", "CJ", "UN", "12");
    grabar("A2", "CJ", "UN", "6");
    grabar("A1", "CJ", "UN", "24");
    borrar("A2", "CJ", "UN");
    EXPECT_EQ(equivalencias(kBaseGrupo, kGrupo), QStringList{"A1 CJ UN = 12"});
    EXPECT_EQ(equivalencias(kCentro, kPuntos), QStringList{"A1 CJ UN = 24"});
}

TEST_P(ReplicaGrupoTest, TheGroupDatabaseTakesOnlyTheTablesItsSettingsName)
{
    habilitarGrupo("111", "V_MA_ARTICULOS|");
    grabar("A1", "CJ", "UN", "12");
    EXPECT_TRUE(equivalencias(kBaseGrupo, kGrupo).isEmpty());
    seed({"UPDATE TA_CONFIGURACION SET VALORAUX = 'V_MA_ARTICULOS|S_TA_EQUIV|' WHERE CLAVE = 'GRP_TABLAS'",
          "UPDATE TA_CONFIGURACION SET VALOR = '1' WHERE CLAVE = 'GRP_DESHABILITADO'"});
    grabar("A2", "CJ", "UN", "6");
    EXPECT_TRUE(equivalencias(kBaseGrupo, kGrupo).isEmpty());
    seed({"UPDATE TA_CONFIGURACION SET VALOR = '0' WHERE CLAVE = 'GRP_DESHABILITADO'"});
    grabar("A3", "CJ", "UN", "3");
    EXPECT_EQ(equivalencias(kBaseGrupo, kGrupo), QStringList{"A3 CJ UN = 3"});
    EXPECT_EQ(equivalencias(kCentro, kPuntos).size(), 3);
}

TEST_P(ReplicaGrupoTest, ADeadPointOfSaleIsReportedOncePerSaveAndWhatItMissedIsSentWhenItIsBack)
{
    agregarPuntoDeVenta("0003", "Sur", kPuntos, "TPV03", {}, {}, false);
    grabarEnUnaGrabacion({"12", "6", "3"});

    ASSERT_EQ(avisos().size(), 1);
    EXPECT_TRUE(avisos()[0].startsWith("Aviso al operador: No se pudo conectar al Punto de ventas Sur"))
        << avisos()[0].toStdString();
    EXPECT_EQ(equivalencias(kCentro, kPuntos).size(), 3);
    EXPECT_EQ(pendientes("0003"), 3);
    EXPECT_EQ(pendientes("0001"), 0);
    EXPECT_EQ(contar("SELECT COUNT(*) FROM AUX_ERR"), 1);
    EXPECT_EQ(contar("SELECT COUNT(*) FROM V_TA_TPV WHERE CODIGO = '0003' AND PEND_ARTICULOS = 1"), 1);
    EXPECT_EQ(contar("SELECT COUNT(*) FROM V_TA_TPV WHERE CODIGO = '0003' AND CONECTADO = 0"), 1);

    createCompanyDatabase("TPV03", kPuntos);
    borrar("A2", "CJ", "UN");
    EXPECT_EQ(equivalencias("TPV03", kPuntos), (QStringList{"A1 CJ UN = 12", "A3 CJ UN = 3"}));
    EXPECT_EQ(pendientes("0003"), 0);
    EXPECT_EQ(contar("SELECT COUNT(*) FROM V_TA_TPV WHERE CODIGO = '0003' AND PEND_ARTICULOS = 0"), 1);
    EXPECT_EQ(avisos().size(), 1);
}

// A company of the suite made before the list of pending copies existed.
TEST_P(ReplicaGrupoTest, WithoutThePendingListTheSuitesMarkStaysAndTheListMadeAtSignInKeepsTheCopies)
{
    agregarPuntoDeVenta("0003", "Sur", kPuntos, "TPV03", {}, {}, false);
    seed({"DROP TABLE REPLICA_PENDIENTES", "UPDATE V_TA_TPV SET PEND_ARTICULOS = 1 WHERE CODIGO = '0003'"});
    operador->answer(vb::vbOK);
    operador->answer(vb::vbOK);
    grabar("A1", "CJ", "UN", "12");
    ASSERT_EQ(avisos().size(), 2);
    EXPECT_TRUE(avisos()[1].contains("No se pudo anotar")) << avisos()[1].toStdString();
    EXPECT_EQ(contar("SELECT COUNT(*) FROM V_TA_TPV WHERE CODIGO = '0003' AND PEND_ARTICULOS = 1"), 1)
        << "a list that cannot be read leaves the suite's mark alone";

    ASSERT_TRUE(CrearTablasQueFaltan(gBaseDatos(), {ListaPendientes::kTabla}));
    operador->answer(vb::vbOK);
    grabar("A2", "CJ", "UN", "6");
    EXPECT_EQ(pendientes("0003"), 1);
    createCompanyDatabase("TPV03", kPuntos);
    EXPECT_EQ(Service<Replicacion>::get().ReintentarPendientes(), 0);
    EXPECT_EQ(equivalencias("TPV03", kPuntos), QStringList{"A2 CJ UN = 6"});
}

TEST_P(ReplicaGrupoTest, AGroupDatabaseThatCannotBeOpenedIsReportedOnceAndItsCopiesAreKept)
{
    habilitarGrupo();
    dropDatabase(kBaseGrupo, kGrupo);
    grabarEnUnaGrabacion({"12", "6"});

    ASSERT_EQ(avisos().size(), 1) << "no login window and no second message";
    EXPECT_TRUE(avisos()[0].startsWith(QString("Aviso al operador: No se pudo conectar a la base de datos del grupo ")
                                       + kBaseGrupo))
        << avisos()[0].toStdString();
    EXPECT_EQ(equivalencias(kNorte, kPuntos).size(), 2);
    EXPECT_EQ(pendientes(""), 2);

    createCompanyDatabase(kBaseGrupo, kGrupo);
    EXPECT_EQ(Service<Replicacion>::get().ReintentarPendientes(), 0);
    EXPECT_EQ(equivalencias(kBaseGrupo, kGrupo), equivalencias(kNorte, kPuntos));
    EXPECT_EQ(avisos().size(), 1);
}

TEST_P(ReplicaGrupoTest, ARetryTakesTheRowAsTheCompanyHasItThenAndIsHarmlessTwice)
{
    agregarPuntoDeVenta("0003", "Sur", kPuntos, "TPV03", {}, {}, false);
    operador->answer(vb::vbOK);
    grabar("A1", "CJ", "UN", "12");
    operador->answer(vb::vbOK);
    grabar("A2", "CJ", "UN", "6");
    ASSERT_EQ(pendientes("0003"), 2);

    createCompanyDatabase("TPV03", kPuntos);
    seed({"INSERT INTO S_TA_EQUIV (IDARTICULO, IDUNIDAD, IDUNIDAD_EQUIV, COEFICIENTE) "
          "VALUES ('A1', 'CJ', 'UN', 99)"},
         "TPV03", kPuntos);
    seed({"DELETE S_TA_EQUIV WHERE IDARTICULO = 'A1'", "UPDATE S_TA_EQUIV SET COEFICIENTE = 7"});
    Service<Replicacion>::install(std::make_unique<ReplicaGrupo>(gBaseDatos()));
    EXPECT_EQ(Service<Replicacion>::get().ReintentarPendientes(), 0);
    EXPECT_EQ(equivalencias("TPV03", kPuntos), QStringList{"A2 CJ UN = 7"});
    EXPECT_EQ(Service<Replicacion>::get().ReintentarPendientes(), 0);
    EXPECT_EQ(equivalencias("TPV03", kPuntos), QStringList{"A2 CJ UN = 7"});
}

TEST_P(ReplicaGrupoTest, ARejectedStatementIsRecordedAndKeptWhileTheOthersAreServed)
{
    elCentroRechazaCoeficientesAltos();
    grabarEnUnaGrabacion({"5000", "5001", "3"});

    EXPECT_EQ(equivalencias(kCentro, kPuntos), QStringList{"A3 CJ UN = 3"});
    EXPECT_EQ(equivalencias(kNorte, kPuntos).size(), 3);
    ASSERT_EQ(avisos().size(), 1);
    EXPECT_TRUE(avisos()[0].startsWith("Atencion: Error en base de datos ")) << avisos()[0].toStdString();
    EXPECT_TRUE(avisos()[0].contains("coeficiente rechazado")) << avisos()[0].toStdString();
    EXPECT_EQ(pendientes("0001"), 2);
    EXPECT_EQ(pendientes("0002"), 0);
    db::Recordset error = read("SELECT * FROM AUX_ERR ORDER BY ID");
    ASSERT_FALSE(error.Eof());
    EXPECT_EQ(error.Fields("Proceso").Value().toText(), QString(kPuntos) + "/" + os::executableName());
    EXPECT_TRUE(error.Fields("sql").Value().toText().startsWith("INSERT INTO S_TA_EQUIV"));
    EXPECT_EQ(contar("SELECT COUNT(*) FROM AUX_ERR"), 2);
}

TEST_P(ReplicaGrupoTest, ACopyRefusedHalfWayThroughAStretchKeepsTheWholeStretchPendingUntilItIsSent)
{
    elCentroRechazaCoeficientesAltos();
    grabarEnUnaGrabacion({"3", "4", "5000", "6"});

    EXPECT_EQ(equivalencias(kCentro, kPuntos), QStringList{"A4 CJ UN = 6"}) << "A1 and A2 went back with A3";
    EXPECT_EQ(pendientes("0001"), 3);
    EXPECT_EQ(equivalencias(kNorte, kPuntos).size(), 4);
    EXPECT_EQ(contar("SELECT COUNT(*) FROM AUX_ERR"), 1);

    seedNative({"DROP TRIGGER rechazo"}, kCentro, kPuntos);
    EXPECT_EQ(Service<Replicacion>::get().ReintentarPendientes(), 0);
    EXPECT_EQ(equivalencias(kCentro, kPuntos), equivalencias(kNorte, kPuntos));
}

TEST_P(ReplicaGrupoTest, WhileATargetsFailureIsShownTheOtherTargetsHoldWhatTheyTookSoFar)
{
    elCentroRechazaCoeficientesAltos();
    QStringList norteAlAvisar;
    operador->onEachBox([&] { norteAlAvisar = equivalencias(kNorte, kPuntos); });
    grabarEnUnaGrabacion({"3", "5000"});

    EXPECT_EQ(norteAlAvisar, QStringList{"A1 CJ UN = 3"}) << "A2 reaches Norte after Centro, once the box is gone";
    EXPECT_EQ(equivalencias(kNorte, kPuntos).size(), 2);
}

TEST_P(ReplicaGrupoTest, AGenericDeletionIsReplicatedByItsConditionAndSparesPerArticleRows)
{
    grabar("A1", "KG", "GR", "1000", "1");
    grabar("A2", "KG", "GR", "1000", "1");
    grabar("A3", "KG", "GR", "999");
    const QString generica = "PARATODOS = 1 AND IDUNIDAD = 'KG' AND IDUNIDAD_EQUIV = 'GR'";
    gBaseDatos().EjecutaConsultaSQL("DELETE S_TA_EQUIV WHERE " + generica);
    ActualizaGEmpresas("S_TA_EQUIV", 3, {}, {}, {}, {}, {}, {}, generica);
    EXPECT_EQ(equivalencias(kCentro, kPuntos), QStringList{"A3 KG GR = 999"});
    EXPECT_EQ(equivalencias(kNorte, kPuntos), QStringList{"A3 KG GR = 999"});
}

TEST_P(ReplicaGrupoTest, ARequestThatPicksNoRowOrNamesAnUnknownTableTouchesNothing)
{
    grabar("A1", "CJ", "UN", "12");
    gBaseDatos().EjecutaConsultaSQL("DELETE S_TA_EQUIV");
    ActualizaGEmpresas("S_TA_EQUIV", 3, {});
    ActualizaGEmpresas("MV_ASIENTOS", 3, "'1'");
    EXPECT_EQ(equivalencias(kCentro, kPuntos), QStringList{"A1 CJ UN = 12"});
    EXPECT_TRUE(operador->boxes().isEmpty());
}

TEST_P(ReplicaGrupoTest, ASaveCannotStartWhileAnotherRunsAndARequestArrivingMeanwhileWaits)
{
    QStringList mientrasTanto;
    {
        const GrabacionConReplica grabacion(Service<Replicacion>::get());
        ASSERT_TRUE(grabacion.Aceptada());
        operador->answer(vb::vbOK);
        EXPECT_FALSE(GrabacionConReplica(Service<Replicacion>::get()).Aceptada());
        ASSERT_EQ(avisos().size(), 1);
        EXPECT_TRUE(avisos()[0].contains("Espere a que termine la grabación en curso")) << avisos()[0].toStdString();

        // Opening a point of sale lets window events run: this one arrives then.
        QTimer::singleShot(0, [&] {
            grabar("A1", "CJ", "UN", "12");
            mientrasTanto = equivalencias(kNorte, kPuntos) + equivalencias(kCentro, kPuntos);
        });
        grabar("A2", "CJ", "UN", "6");
    }
    EXPECT_EQ(mientrasTanto, QStringList{}) << mientrasTanto.join(", ").toStdString();
    EXPECT_EQ(equivalencias(kNorte, kPuntos), (QStringList{"A1 CJ UN = 12", "A2 CJ UN = 6"}));
    EXPECT_TRUE(GrabacionConReplica(Service<Replicacion>::get()).Aceptada());
}

ON_EVERY_ENGINE(ReplicaGrupoTest);
