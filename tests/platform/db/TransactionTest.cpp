#include "platform/db/Connection.h"
#include "platform/db/Transaction.h"
#include "support/DatabaseTest.h"
#include "support/QStringPrinter.h"

using namespace db;

class TransactionTest : public EveryEngineTest {
protected:
    void SetUp() override
    {
        EveryEngineTest::SetUp();
        if (IsSkipped()) return;
        connection.Open(connectionText());
    }

    void insertUnit(const QString& unit)
    {
        connection.Execute("INSERT INTO V_TA_UNIDAD (IdUnidad) VALUES ('" + unit + "')");
    }
    // What another connection sees: the committed rows only.
    QStringList committedUnits() const
    {
        QStringList units;
        for (Recordset rows = read("SELECT IdUnidad FROM V_TA_UNIDAD ORDER BY IdUnidad"); !rows.Eof(); rows.MoveNext())
            units.append(rows.Fields(0).Value().toText());
        return units;
    }

    Connection connection;
};

TEST_P(TransactionTest, WritesLandTogetherWhenCommitted)
{
    Transaction transaction(connection);
    insertUnit("KG");
    insertUnit("GR");
    EXPECT_TRUE(committedUnits().isEmpty());
    transaction.commit();
    EXPECT_EQ(committedUnits(), (QStringList{"GR", "KG"}));
}

TEST_P(TransactionTest, WritesGoBackWhenTheScopeIsLeftWithoutACommit)
{
    EXPECT_THROW(
        {
            Transaction transaction(connection);
            insertUnit("KG");
            insertUnit("KG");
            transaction.commit();
        },
        ErrorVB)
        << "a duplicate key";
    EXPECT_TRUE(committedUnits().isEmpty());
    insertUnit("LT");
    EXPECT_EQ(committedUnits(), QStringList{"LT"}) << "the connection is back to committing each write";
}

// As on SQL Server: callers that meet a failure inside a stretch go on with it.
TEST_P(TransactionTest, AFailedStatementTakesBackOnlyItselfAndTheTransactionGoesOn)
{
    Transaction transaction(connection);
    insertUnit("KG");
    EXPECT_THROW(insertUnit("KG"), ErrorVB) << "a duplicate key";
    insertUnit("GR");

    Recordset units;
    units.Open("SELECT * FROM V_TA_UNIDAD WHERE 1 = 0", connection, ado::adOpenDynamic, ado::adLockOptimistic);
    units.AddNew();
    units.Fields("IdUnidad").setValue("GR");
    EXPECT_THROW(units.Update(), ErrorVB) << "a duplicate key";
    units.CancelUpdate();
    units.AddNew();
    units.Fields("IdUnidad").setValue("LT");
    units.Update();

    EXPECT_THROW(connection.Execute("INSERT INTO V_TA_UNIDAD (IdUnidad) VALUES ('UN');\n"
                                    "INSERT INTO V_TA_UNIDAD (IdUnidad) VALUES ('LT');\n"
                                    "INSERT INTO V_TA_UNIDAD (IdUnidad) VALUES ('CM')"),
                 ErrorVB)
        << "the batch's second statement fails; the others run";
    transaction.commit();
    EXPECT_EQ(committedUnits(), (QStringList{"CM", "GR", "KG", "LT", "UN"}));
}

ON_EVERY_ENGINE(TransactionTest);
