#include "database/DB_Dll.h"
#include "platform/os/System.h"
#include "session/BasesDeDatos.h"
#include "session/RegistroFallas.h"
#include "session/Sesion.h"
#include "support/DatabaseTest.h"

#include <QDateTime>

class RegistroFallasTest : public EveryEngineTest {
protected:
    void SetUp() override
    {
        EveryEngineTest::SetUp();
        if (IsSkipped()) return;
        openCompany("JPEREZ");
        gSesion().gParametroAdicional = "A-100";
    }

    db::Recordset rows(const QString& table)
    {
        return gBaseDatos().gCnn.Execute("SELECT * FROM " + table + " ORDER BY ID");
    }
};

TEST_P(RegistroFallasTest, AFailedStatementIsRecordedInAuxErr)
{
    QString proceso = "Replica";
    GrabarErrorAux(gBaseDatos(), "UPDATE X SET A = 1", proceso, 2627, QString(300, u'd'));
    db::Recordset row = rows("AUX_ERR");
    ASSERT_FALSE(row.Eof());
    EXPECT_EQ(row.Fields("Proceso").Value().toText(), "Replica");
    EXPECT_EQ(row.Fields("Error").Value().toLong(), 2627);
    EXPECT_EQ(row.Fields("Descripcion").Value().toText(), QString(250, u'd'));
    EXPECT_EQ(row.Fields("sql").Value().toText(), "UPDATE X SET A = 1");
    EXPECT_EQ(row.Fields("Usuario").Value().toText(), "JPEREZ");
    EXPECT_FALSE(row.Fields("PC").Value().toText().isEmpty());
    const QDateTime fecha = QDateTime::fromString(row.Fields("fecha").Value().toText(), "dd/MM/yy hh:mm");
    EXPECT_LE(std::abs(fecha.addYears(100).secsTo(QDateTime::currentDateTime())), 120);
}

TEST_P(RegistroFallasTest, AnEmptyProcessBecomesTheExecutableName)
{
    QString proceso;
    GrabarErrorAux(gBaseDatos(), "X", proceso, 1, "d");
    EXPECT_EQ(proceso, os::executableName());
    EXPECT_EQ(rows("AUX_ERR").Fields("Proceso").Value().toText(), os::executableName());
}

TEST_P(RegistroFallasTest, ARefusedSignInIsAudited)
{
    RegistrarAccion(gBaseDatos(), "", "", "0", true, false, false, "Intento de inicio de sesion fallido", "", false);
    db::Recordset row = rows("V_MV_CPTEACCIONES");
    ASSERT_FALSE(row.Eof());
    EXPECT_EQ(row.Fields("Tipo_accion").Value().toText(), "A");
    EXPECT_EQ(row.Fields("IdComplemento").Value().toLong(), 0);
    EXPECT_EQ(row.Fields("SYSTEMUSER").Value().toText(), "Intento de inicio de sesion fallido");
    EXPECT_EQ(row.Fields("TC").Value().toText(), "");
    EXPECT_EQ(row.Fields("IdComprobante").Value().toText(), "");
    EXPECT_EQ(row.Fields("Cuenta").Value().toText(), "");
    EXPECT_EQ(row.Fields("Usuario").Value().toText(), "JPEREZ");
    EXPECT_EQ(row.Fields("Proceso").Value().toText(), os::executableName() + " A-100");
    EXPECT_LE(std::abs(row.Fields("FECHAHORA").Value().toDateTime().secsTo(QDateTime::currentDateTime())), 120);
}

TEST_P(RegistroFallasTest, TheActionTypeFollowsTheFlags)
{
    RegistrarAccion(gBaseDatos(), "FA", "0001-00000012", "", false, true, false, "x", "1.1.01", false);
    RegistrarAccion(gBaseDatos(), "FA", "1", "3", false, false, true, "x", "", false);
    RegistrarAccion(gBaseDatos(), "FA", "1", "3", true, true, false, "x", "", true);
    db::Recordset row = rows("V_MV_CPTEACCIONES");
    EXPECT_EQ(row.Fields("Tipo_accion").Value().toText(), "M");
    EXPECT_EQ(row.Fields("TC").Value().toText(), "FA");
    EXPECT_EQ(row.Fields("Cuenta").Value().toText(), "1.1.01");
    row.MoveNext();
    EXPECT_EQ(row.Fields("Tipo_accion").Value().toText(), "B");
    EXPECT_EQ(row.Fields("IdComplemento").Value().toLong(), 3);
    row.MoveNext();
    EXPECT_EQ(row.Fields("Tipo_accion").Value().toText(), "ER");
}

TEST_P(RegistroFallasTest, AUserNameWithAnApostropheIsRecordedAsTyped)
{
    gSesion().gUsuarioLogeado = "O'Neill";
    RegistrarAccion(gBaseDatos(), "", "", "", true, false, false, "Intento de inicio de sesion fallido", "", false);
    EXPECT_EQ(rows("V_MV_CPTEACCIONES").Fields("Usuario").Value().toText(), "O'Neill");
}

ON_EVERY_ENGINE(RegistroFallasTest);
