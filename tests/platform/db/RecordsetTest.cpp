#include "platform/db/Connection.h"
#include "platform/db/StatementLog.h"
#include "support/DatabaseTest.h"
#include "support/ErrorNumber.h"

using namespace db;

class RecordsetTest : public EveryEngineTest {
protected:
    void SetUp() override
    {
        EveryEngineTest::SetUp();
        if (IsSkipped()) return;
        connection.Open(connectionText());
        connection.Execute(
            "INSERT INTO S_TA_EQUIV (IDARTICULO, IDUNIDAD, IDUNIDAD_EQUIV, COEFICIENTE, PARATODOS) "
            "VALUES ('A1', 'CJ', 'UN', 12, NULL)");
        connection.Execute(
            "INSERT INTO S_TA_EQUIV (IDARTICULO, IDUNIDAD, IDUNIDAD_EQUIV, COEFICIENTE, PARATODOS) "
            "VALUES ('A2', 'KG', 'GR', 1000, 1)");
        connection.setStatementLog(&log);
    }

    void openEquivalences(const QString& where = {})
    {
        rows.Open("SELECT * FROM S_TA_EQUIV" + where, connection, ado::adOpenDynamic, ado::adLockOptimistic);
    }

    long count(const QString& where)
    {
        return connection.Execute("SELECT COUNT(*) FROM S_TA_EQUIV WHERE " + where).Fields(0).Value().toLong();
    }

    Connection connection;
    StatementLog log;
    Recordset rows;
};

TEST_P(RecordsetTest, ReadsRowsForwardWithBofAndEof)
{
    rows.Open("SELECT IDARTICULO, COEFICIENTE, PARATODOS FROM S_TA_EQUIV ORDER BY IDARTICULO", connection);
    EXPECT_FALSE(rows.Bof());
    EXPECT_EQ(rows.Fields("idarticulo").Value().toText(), "A1");
    EXPECT_EQ(rows.Fields(" IdArticulo ").Value().toText(), "A1");
    EXPECT_TRUE(rows.Fields("PARATODOS").Value().isNull());
    rows.MoveNext();
    EXPECT_DOUBLE_EQ(rows.Fields("COEFICIENTE").Value().toDouble(), 1000);
    rows.MoveNext();
    EXPECT_TRUE(rows.Eof());
    EXPECT_EQ(errorNumber([&] { rows.Fields(0).Value(); }), 3021);
    EXPECT_EQ(errorNumber([&] { rows.MoveNext(); }), 3021);
    EXPECT_EQ(errorNumber([&] { rows.Fields("NOEXISTE"); }), 3265);
    rows.Close();
    EXPECT_EQ(errorNumber([&] { rows.Eof(); }), 3704);
    rows.Open("SELECT PARATODOS, IDARTICULO FROM S_TA_EQUIV ORDER BY IDARTICULO", connection);
    EXPECT_EQ(rows.Fields("idarticulo").Value().toText(), "A1") << "a spelling is looked up again in new rows";
    rows.Close();

    // A name comes as UTF-8 (a literal), as UTF-16 or as Latin-1; each finds the column, also with an accent.
    rows.Open("SELECT IDUNIDAD AS [UNIDAD_AÑO], IDARTICULO FROM S_TA_EQUIV ORDER BY IDARTICULO", connection);
    EXPECT_EQ(rows.Fields("UNIDAD_AÑO").Value().toText(), "CJ");
    EXPECT_EQ(rows.Fields(QString("UNIDAD_AÑO")).Value().toText(), "CJ");
    EXPECT_EQ(rows.Fields(QLatin1StringView("UNIDAD_A\xD1O")).Value().toText(), "CJ");
    EXPECT_EQ(rows.Fields("unidad_año").Value().toText(), "CJ");
    EXPECT_EQ(rows.Fields(QLatin1StringView("IDARTICULO")).Value().toText(), "A1");
    EXPECT_EQ(errorNumber([&] { rows.Fields("UNIDAD_ANO"); }), 3265);
    rows.Close();

    Recordset empty;
    empty.Open("SELECT * FROM S_TA_EQUIV WHERE ID < 0", connection);
    EXPECT_TRUE(empty.Bof());
    EXPECT_TRUE(empty.Eof());
}

TEST_P(RecordsetTest, FieldsCarryTheAdoTypeAndSizeOfTheirColumn)
{
    // SQL Server's type names; on PostgreSQL bit is kept as smallint and money as numeric.
    connection.Execute(
        "CREATE TABLE TIPOS (T varchar(25), N numeric(18,4), I int, S smallint, B bit, D datetime, "
        "F float, M money)");
    connection.Execute("INSERT INTO TIPOS VALUES ('x', 1.5, 2, 3, 1, '2025-12-31 10:20:30', 2.5, 9.99)");
    rows.Open("SELECT * FROM TIPOS", connection);
    const int bit = onSqlite() ? 11 : 2;
    const int money = onSqlite() ? 6 : 131;
    const long moneySize = onSqlite() ? 8 : 19;
    const int text = onSqlite() ? 200 : 202;  // the Unicode driver reports every text as wide
    const QVector<std::pair<int, long>> expected{{text, 25}, {131, 19}, {3, 4}, {2, 2},
                                                 {bit, 2},   {135, 16}, {5, 8}, {money, moneySize}};
    ASSERT_EQ(rows.FieldCount(), expected.size());
    for (int i = 0; i < rows.FieldCount(); ++i) {
        EXPECT_EQ(rows.Fields(i).Type(), expected[i].first) << rows.Fields(i).Name().toStdString();
        EXPECT_EQ(rows.Fields(i).DefinedSize(), expected[i].second) << rows.Fields(i).Name().toStdString();
    }
    EXPECT_TRUE(rows.Fields("B").Value().toBool());
    EXPECT_EQ(rows.Fields("D").Value(), Variant(QDateTime(QDate(2025, 12, 31), QTime(10, 20, 30))));
    EXPECT_EQ(rows.Fields("I").Value(), Variant(qint64(2)));
}

TEST_P(RecordsetTest, AddNewWritesTheRowAndReadsBackItsId)
{
    openEquivalences(" WHERE 1 = 0");
    rows.AddNew();
    rows.Fields("IdArticulo").setValue("A3");
    rows.Fields("IdUnidad").setValue("UN");
    rows.Fields("IdUnidad_Equiv").setValue("DOC");
    rows.Fields("Coeficiente").setValue("0,0833");
    EXPECT_TRUE(rows.EditPending());
    rows.Update();
    EXPECT_FALSE(rows.EditPending());
    EXPECT_EQ(rows.Fields("ID").Value().toLong(), 3);
    const auto sent = std::find_if(log.entries().begin(), log.entries().end(),
                                   [](const auto& e) { return e.sent.startsWith("INSERT"); });
    ASSERT_NE(sent, log.entries().end());
    EXPECT_EQ(sent->sent, "INSERT INTO " + quoted("S_TA_EQUIV") + " (" + quoted("IDARTICULO") + "," + quoted("IDUNIDAD")
                              + "," + quoted("IDUNIDAD_EQUIV") + "," + quoted("COEFICIENTE") + ") VALUES (?,?,?,?)");
    EXPECT_EQ(count("ID = 3 AND COEFICIENTE = 0.0833 AND PARATODOS IS NULL"), 1);
}

TEST_P(RecordsetTest, EditingWritesOnlyTheChangedColumnsByKey)
{
    openEquivalences(" WHERE IDARTICULO = 'A1'");
    rows.Fields("Coeficiente").setValue(24);
    rows.Update();
    EXPECT_EQ(log.entries().last().sent,
              "UPDATE " + quoted("S_TA_EQUIV") + " SET " + quoted("COEFICIENTE") + "=? WHERE " + quoted("ID") + "=?");
    EXPECT_EQ(count("IDARTICULO = 'A1' AND COEFICIENTE = 24"), 1);
    EXPECT_DOUBLE_EQ(rows.Fields("Coeficiente").Value().toDouble(), 24);
}

TEST_P(RecordsetTest, DeleteRemovesTheCurrentRow)
{
    openEquivalences(" ORDER BY ID");
    rows.Delete();
    EXPECT_EQ(errorNumber([&] { rows.Fields(0).Value(); }), 3021);
    rows.MoveNext();
    EXPECT_EQ(rows.Fields("IDARTICULO").Value().toText(), "A2");
    EXPECT_EQ(count("1 = 1"), 1);
}

TEST_P(RecordsetTest, ATableWithoutPrimaryKeyIsKeyedByItsOriginalValues)
{
    connection.Execute("INSERT INTO TA_CONFIGURACION (GRUPO, CLAVE, VALOR) VALUES ('DATOS', 'THEME', '2')");
    connection.Execute("INSERT INTO TA_CONFIGURACION (GRUPO, CLAVE, VALOR) VALUES ('VENTAS', 'THEME', '3')");
    rows.Open("SELECT * FROM TA_CONFIGURACION WHERE GRUPO = 'VENTAS'", connection, ado::adOpenDynamic,
              ado::adLockOptimistic);
    rows.Fields("VALOR").setValue("4");
    rows.Update();
    EXPECT_EQ(log.entries().last().sent, "UPDATE " + quoted("TA_CONFIGURACION") + " SET " + quoted("VALOR")
                                             + "=? WHERE " + quoted("GRUPO") + "=? AND " + quoted("CLAVE") + "=? AND "
                                             + quoted("VALOR") + "=? AND " + quoted("VALORAUX") + " IS NULL AND "
                                             + quoted("PoliticaNegocio") + "=?");
    Recordset check = connection.Execute("SELECT VALOR FROM TA_CONFIGURACION ORDER BY GRUPO");
    EXPECT_EQ(check.Fields(0).Value().toText(), "2");
    check.MoveNext();
    EXPECT_EQ(check.Fields(0).Value().toText(), "4");
}

TEST_P(RecordsetTest, AValueOfTheWrongTypeIsRefusedOnAssignment)
{
    openEquivalences(" WHERE IDARTICULO = 'A1'");
    EXPECT_EQ(errorNumber([&] { rows.Fields("Coeficiente").setValue("abc"); }), 3421);
    rows.CancelUpdate();
    EXPECT_EQ(count("IDARTICULO = 'A1' AND COEFICIENTE = 12"), 1);
}

TEST_P(RecordsetTest, AFailedUpdateKeepsThePendingChangeUntilCancelled)
{
    openEquivalences(" WHERE 1 = 0");
    rows.AddNew();
    rows.Fields("IdArticulo").setValue("A1");
    rows.Fields("IdUnidad").setValue("CJ");
    rows.Fields("IdUnidad_Equiv").setValue("UN");
    EXPECT_EQ(errorNumber([&] { rows.Update(); }), 3022);
    EXPECT_TRUE(rows.EditPending());
    EXPECT_EQ(errorNumber([&] { rows.Close(); }), 3219);
    rows.CancelUpdate();
    EXPECT_FALSE(rows.EditPending());
    rows.Close();
}

TEST_P(RecordsetTest, OnlyOneTableRecordSetsWithALockCanBeChanged)
{
    rows.Open("SELECT * FROM S_TA_EQUIV", connection);
    EXPECT_EQ(errorNumber([&] { rows.Fields("Coeficiente").setValue(1); }), 3251);
    rows.Close();
    rows.Open(
        "SELECT S_TA_EQUIV.*, V_TA_UNIDAD.Descripcion FROM S_TA_EQUIV LEFT OUTER JOIN V_TA_UNIDAD "
        "ON S_TA_EQUIV.IDUNIDAD = V_TA_UNIDAD.IdUnidad",
        connection, ado::adOpenDynamic, ado::adLockOptimistic);
    EXPECT_EQ(errorNumber([&] { rows.AddNew(); }), 3251);
}

TEST_P(RecordsetTest, RowChangedByOthersCannotBeLocated)
{
    openEquivalences(" WHERE IDARTICULO = 'A1'");
    connection.Execute("DELETE FROM S_TA_EQUIV WHERE IDARTICULO = 'A1'");
    rows.Fields("Coeficiente").setValue(5);
    EXPECT_EQ(errorNumber([&] { rows.Update(); }), -2147217864);
    rows.CancelUpdate();
}

ON_EVERY_ENGINE(RecordsetTest);
