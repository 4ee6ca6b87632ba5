#include "database/DB_Dll.h"
#include "platform/db/StatementLog.h"
#include "session/BasesDeDatos.h"
#include "support/DatabaseTest.h"

class DB_DllEsquemaTest : public EveryEngineTest {
protected:
    void SetUp() override
    {
        EveryEngineTest::SetUp();
        if (IsSkipped()) return;
        openCompany();
    }

    DB_Dll& base = gBaseDatos();
};

TEST_P(DB_DllEsquemaTest, TablesAreFoundIgnoringCaseAndBlanks)
{
    EXPECT_TRUE(base.ExisteTablaDB("  s_ta_equiv "));
    EXPECT_TRUE(base.ExisteTablaDB("VT_MA_ARTICULOS"));
    EXPECT_FALSE(base.ExisteTablaDB("NO_EXISTE"));
    EXPECT_TRUE(base.ExisteCampoDB("S_TA_EQUIV", " paratodos "));
    EXPECT_FALSE(base.ExisteCampoDB("S_TA_EQUIV", "ACTIVO"));
}

TEST_P(DB_DllEsquemaTest, AddFieldBuildsAndRunsTheStatement)
{
    db::StatementLog log;
    base.gCnn.setStatementLog(&log);
    base.AddField("S_TA_EQUIV", "Activo", "bit", false, 1);
    EXPECT_EQ(log.entries().first().original,
              "ALTER TABLE dbo.S_TA_EQUIV ADD Activo bit Not Null  CONSTRAINT DF_S_TA_EQUIV_Activo DEFAULT (1)");
    EXPECT_TRUE(base.ExisteCampoDB("S_TA_EQUIV", "Activo"));

    log.clear();
    base.AddField("S_TA_EQUIV", "Nota", "varchar(20)", true);
    EXPECT_EQ(log.entries().first().original, "ALTER TABLE dbo.S_TA_EQUIV ADD Nota varchar(20) Null ");
}

TEST_P(DB_DllEsquemaTest, VerCampoDBAddsOnlyWhatIsMissing)
{
    EXPECT_TRUE(base.VerCampoDB("S_TA_EQUIV", "Nota", true, "varchar(20)", true));
    EXPECT_TRUE(base.ExisteCampoDB("S_TA_EQUIV", "Nota"));
    EXPECT_TRUE(base.VerCampoDB("NO_EXISTE", "Nota", true, "varchar(20)", true));

    base.gProveedor = "OraOLEDB.Oracle.1";
    EXPECT_TRUE(base.VerCampoDB("S_TA_EQUIV", "Otra", true, "varchar(20)", true));
    base.gProveedor = "SQLOLEDB";
    EXPECT_FALSE(base.ExisteCampoDB("S_TA_EQUIV", "Otra")) << "on Oracle no column is ever added";
}

TEST_P(DB_DllEsquemaTest, AHealthyConnectionStaysAndAClosedOneIsReopened)
{
    EXPECT_TRUE(base.AsegurarConexion());
    base.gCnn.Close();
    EXPECT_TRUE(base.AsegurarConexion());
    EXPECT_EQ(base.gCnn.State(), db::ado::adStateOpen);
    EXPECT_TRUE(base.gOpenFlag);
}

TEST_P(DB_DllEsquemaTest, ReintentaConectarAddsATimeOutOnlyWhenMissing)
{
    EXPECT_TRUE(base.ReintentaConectar());
    EXPECT_EQ(base.gCnn.ConnectionString(), base.gConnString) << "the built text already names its time-out";
    EXPECT_EQ(base.gCnn.ConnectionTimeout(), 5);
    EXPECT_EQ(base.gCnn.CommandTimeout(), 10);

    base.gConnString = "PROVIDER=SQLOLEDB;Server=LOCAL;Database =EMPRESA;UId=EMPRESA;Pwd=EMPRESA";
    EXPECT_TRUE(base.ReintentaConectar());
    EXPECT_EQ(base.gCnn.ConnectionString(),
              "PROVIDER=SQLOLEDB;Server=LOCAL;Database =EMPRESA;UId=EMPRESA;Pwd=EMPRESA;Connect Timeout=5");

    base.gConnString = "PROVIDER=SQLOLEDB;Server=LOCAL;Database =NOEXISTE;UId=EMPRESA;Pwd=EMPRESA";
    EXPECT_FALSE(base.ReintentaConectar());
    EXPECT_FALSE(base.gOpenFlag);
}

ON_EVERY_ENGINE(DB_DllEsquemaTest);
