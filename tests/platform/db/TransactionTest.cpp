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

ON_EVERY_ENGINE(TransactionTest);
