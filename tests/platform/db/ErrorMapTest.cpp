#include "platform/db/Connection.h"
#include "platform/db/ErrorMap.h"
#include "platform/db/engines/SqliteEngine.h"
#include "support/DatabaseTest.h"

#include <optional>

using namespace db;

// Each row of the error table, provoked on a real database where one can be.
class ErrorMapTest : public EveryEngineTest {
protected:
    void SetUp() override
    {
        EveryEngineTest::SetUp();
        if (IsSkipped()) return;
        connection.Open(connectionText());
        connection.Execute("INSERT INTO V_TA_UNIDAD (IdUnidad, Descripcion) VALUES ('UN', 'Unidad')");
    }

    DbError failureOf(const QString& statement)
    {
        try {
            connection.Execute(statement);
        } catch (const ErrorVB& e) {
            EXPECT_EQ(e.numero, connection.errors().Item(0).Number);
            return connection.errors().Item(0);
        }
        ADD_FAILURE() << "no failure: " << statement.toStdString();
        return {};
    }

    Connection connection;
};

TEST_P(ErrorMapTest, DuplicateKey)
{
    const DbError error = failureOf("INSERT INTO V_TA_UNIDAD (IdUnidad) VALUES ('un')");
    EXPECT_EQ(error.NativeError, 2627);
    EXPECT_EQ(error.Number, -2147217873);
    EXPECT_EQ(error.SQLState, onSqlite() ? "23000" : "23505") << "the server's own SQLSTATE is kept";
}

TEST_P(ErrorMapTest, DuplicateKeyOnARecordsetUpdateIs3022)
{
    Recordset rows;
    rows.Open("SELECT * FROM V_TA_UNIDAD WHERE 1 = 0", connection, ado::adOpenDynamic, ado::adLockOptimistic);
    rows.AddNew();
    rows.Fields("IdUnidad").setValue("UN");
    try {
        rows.Update();
        FAIL();
    } catch (const ErrorVB& e) {
        EXPECT_EQ(e.numero, 3022);
    }
    EXPECT_EQ(connection.errors().Item(0).NativeError, 2627);
    rows.CancelUpdate();
}

TEST_P(ErrorMapTest, TextTooLongForItsColumn)
{
    const DbError error = failureOf("INSERT INTO V_TA_UNIDAD (IdUnidad) VALUES ('KILOS')");
    EXPECT_EQ(error.NativeError, 8152);
    EXPECT_EQ(error.Number, -2147217833);
    if (onSqlite()) {
        EXPECT_TRUE(error.Description.contains("V_TA_UNIDAD.IdUnidad"));
    }
    EXPECT_EQ(failureOf("UPDATE V_TA_UNIDAD SET IdUnidad = 'KILOS'").NativeError, 8152);
}

TEST_P(ErrorMapTest, TextInANumericColumn)
{
    const DbError error = failureOf(
        "INSERT INTO S_TA_EQUIV (IDARTICULO, IDUNIDAD, IDUNIDAD_EQUIV, COEFICIENTE) "
        "VALUES ('A1', 'UN', 'KG', 'abc')");
    EXPECT_EQ(error.Number, 3421);
    EXPECT_EQ(error.NativeError, 8114);
}

TEST_P(ErrorMapTest, NullIntoARequiredColumn)
{
    const DbError error = failureOf("INSERT INTO S_TA_EQUIV (IDARTICULO, IDUNIDAD) VALUES ('A1', 'UN')");
    EXPECT_EQ(error.NativeError, 515);
    EXPECT_EQ(error.Number, -2147217873);
}

TEST_P(ErrorMapTest, MissingTableColumnAndBadSyntax)
{
    const DbError table = failureOf("SELECT * FROM NO_EXISTE");
    EXPECT_EQ(table.Number, -2147217865);
    EXPECT_EQ(table.NativeError, 208);
    const DbError column = failureOf("SELECT NOEXISTE FROM V_TA_UNIDAD");
    EXPECT_EQ(column.Number, -2147217900);
    EXPECT_EQ(column.NativeError, 207);
    const DbError syntax = failureOf("SELECT * FROM V_TA_UNIDAD WHERE IdUnidad = = 1");
    EXPECT_EQ(syntax.Number, -2147217900);
    EXPECT_EQ(syntax.NativeError, 102);
}

TEST_P(ErrorMapTest, AMissingTableOrALockedDatabaseIsExplainedBeforeTheEnginesText)
{
    const DbError table = failureOf("SELECT * FROM NO_EXISTE");
    EXPECT_TRUE(table.Description.startsWith("Falta una tabla en la base de datos. "))
        << table.Description.toStdString();
    EXPECT_TRUE(table.Description.contains("no_existe", Qt::CaseInsensitive)) << "the engine's text follows";
    EXPECT_EQ(table.Number, -2147217865);

    Connection other;
    other.Open(connectionText());
    other.BeginTrans();
    other.Execute("UPDATE V_TA_UNIDAD SET Descripcion = 'Unidades'");
    connection.setCommandTimeout(0);
    const DbError locked = failureOf(onSqlite() ? "UPDATE V_TA_UNIDAD SET Descripcion = 'Piezas'"
                                                : "SELECT * FROM V_TA_UNIDAD FOR UPDATE NOWAIT");
    other.RollbackTrans();
    EXPECT_TRUE(locked.Description.startsWith("La base de datos está bloqueada por otro usuario. "))
        << locked.Description.toStdString();
    EXPECT_TRUE(locked.Description.contains("lock")) << "the engine's text follows";
    EXPECT_EQ(locked.Number, -2147217871);
}

ON_EVERY_ENGINE(ErrorMapTest);

class SqliteErrorMapTest : public DatabaseTest {};

// A database that cannot grow fails as one on a full disk does.
TEST_F(SqliteErrorMapTest, AFullDiskIsExplainedBeforeTheEnginesText)
{
    SqliteEngine engine(dataFolder(), kCompany);
    engine.run("PRAGMA max_page_count = 1");
    const QString value(4000, u'x');
    std::optional<DbError> full;
    for (int row = 0; row < 100 && !full; ++row) {
        try {
            engine.run("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('K', ?)", {value});
        } catch (const EngineFailure& failure) {
            full = ErrorMap::toDbError(failure);
        }
    }
    ASSERT_TRUE(full);
    EXPECT_TRUE(full->Description.startsWith("El disco de la base de datos está lleno. "))
        << full->Description.toStdString();
    EXPECT_TRUE(full->Description.contains("full")) << "the engine's text follows";
    EXPECT_EQ(full->Number, -2147217900);
}

TEST(ErrorMap, SituationsEnginesReportWithoutAServerToProvokeThem)
{
    const DbError lost = ErrorMap::toDbError({Situation::LinkLost, "Communication link failure", "08S01", 0});
    EXPECT_EQ(lost.Number, -2147467259);
    EXPECT_EQ(lost.NativeError, 11);
    EXPECT_EQ(lost.SQLState, "08S01");
    EXPECT_EQ(lost.Description, "Se perdió la conexión con el servidor. Communication link failure");

    const DbError gone = ErrorMap::toDbError({Situation::LinkLost, "socket closed", "08003", 0});
    EXPECT_EQ(gone.NativeError, 11);
    EXPECT_EQ(gone.SQLState, "08003") << "the real SQLSTATE is kept";

    EXPECT_EQ(ErrorMap::toDbError({Situation::LoginFailed, "", "", 0}).NativeError, 18456);
    EXPECT_EQ(ErrorMap::toDbError({Situation::ConstraintConflict, "", "", 0}).NativeError, 547);
    EXPECT_EQ(ErrorMap::toDbError({Situation::Timeout, "", "", 0}).Number, -2147217871);
    EXPECT_EQ(ErrorMap::toDbError({Situation::StatementError, "", "", 9999}).NativeError, 9999);

    EXPECT_EQ(ErrorMap::objectError(3704, "x").numero, 3704);
    EXPECT_FALSE(ErrorMap::objectError(3709, "x").descripcion.isEmpty());
}
