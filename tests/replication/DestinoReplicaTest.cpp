#include "replication/DestinoReplica.h"
#include "replication/ReplicaTest.h"
#include "support/QStringPrinter.h"

class DestinoReplicaTest : public ReplicaTest {
protected:
    void SetUp() override
    {
        ReplicaTest::SetUp();
        if (IsSkipped()) return;
        createCompanyDatabase("TPV01", kPuntos);
    }

    DB_Dll conexion;
    DestinoReplica destino{gBaseDatos(), DatosDestino{kDestinoTPV, "0001", "Centro", kPuntos, "TPV01", "111", {}, {}},
                           conexion};
};

TEST_P(DestinoReplicaTest, AStatementOnATargetThatIsNotOpenFailsAndLeavesItAlone)
{
    const auto falla = destino.Ejecutar(FalloReplica::Paso::Borrado, "DELETE S_TA_EQUIV");
    ASSERT_TRUE(falla);
    EXPECT_TRUE(falla->enlacePerdido);
    EXPECT_TRUE(destino.Caido());
}

TEST_P(DestinoReplicaTest, AnErrorIsNeverLeftForTheNextStatement)
{
    ASSERT_FALSE(destino.Abrir());
    const auto falla = destino.Ejecutar(FalloReplica::Paso::Insercion, "INSERT INTO NOEXISTE (A) VALUES (1)");
    ASSERT_TRUE(falla);
    EXPECT_EQ(falla->sentencia, "INSERT INTO NOEXISTE (A) VALUES (1)");
    EXPECT_FALSE(falla->enlacePerdido);
    EXPECT_FALSE(destino.Ejecutar(FalloReplica::Paso::Borrado, "DELETE S_TA_EQUIV WHERE IDUNIDAD = 'XX'"));
    EXPECT_FALSE(destino.Caido());
}

TEST_P(DestinoReplicaTest, AnInsertThatWritesNoRowHasFailed)
{
    ASSERT_FALSE(destino.Abrir());
    const auto falla = destino.Ejecutar(FalloReplica::Paso::Insercion,
                                        "INSERT INTO S_TA_EQUIV (IDARTICULO, IDUNIDAD, IDUNIDAD_EQUIV) "
                                        "SELECT IdArticulo, 'CJ', 'UN' FROM V_MA_ARTICULOS");
    ASSERT_TRUE(falla);
    EXPECT_EQ(falla->descripcion, "La base de datos no escribió la fila.");
}

ON_EVERY_ENGINE(DestinoReplicaTest);
