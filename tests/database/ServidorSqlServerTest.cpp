#include "platform/db/Connection.h"
#include "platform/db/ConnectionString.h"
#include "platform/db/EngineFactory.h"
#include "support/DatabaseTest.h"
#include "support/ErrorNumber.h"

#include <QElapsedTimer>

// A server that is not in the registry is SQL Server, reached through FreeTDS.
TEST(ServidorSqlServer, TheFreeTdsTextNamesHostPortDatabaseAndLogin)
{
    EXPECT_EQ(
        db::freeTdsText(db::ConnectionString("PROVIDER=SQLOLEDB;Server=SRV1;Database =EMP01;UId=EMP01;Pwd=EMP01;")),
        "Driver=FreeTDS;Server=SRV1;Port=1433;Database={base};UID=EMP01;PWD=EMP01;TDS_Version=7.4;");
    EXPECT_EQ(db::freeTdsText(db::ConnectionString("PROVIDER=SQLOLEDB;Server=10.0.0.5:1500;Database =X;UId=a;Pwd=b;")),
              "Driver=FreeTDS;Server=10.0.0.5;Port=1500;Database={base};UID=a;PWD=b;TDS_Version=7.4;");
    EXPECT_EQ(db::freeTdsText(db::ConnectionString("PROVIDER=SQLOLEDB;Server=SRV1\\QUROVEX;Database =X;UId=a;Pwd=b;")),
              "Driver=FreeTDS;Server=SRV1\\QUROVEX;Port=1433;Database={base};UID=a;PWD=b;TDS_Version=7.4;");
}

class ServidorSqlServerTest : public DatabaseTest {};

TEST_F(ServidorSqlServerTest, AClosedPortFailsWithinTheTimeOutAsAnUnreachableServer)
{
    db::Connection connection;
    connection.setConnectionTimeout(3);
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(
        errorNumber([&] { connection.Open("PROVIDER=SQLOLEDB;Server=127.0.0.1:9;Database =EMP01;UId=a;Pwd=b;"); }),
        -2147467259);
    EXPECT_LT(clock.elapsed(), 15000) << "no hang past the time-out";
    ASSERT_EQ(connection.errors().Count(), 1);
    EXPECT_EQ(connection.errors().Item(0).NativeError, 17);
    EXPECT_EQ(connection.State(), db::ado::adStateClosed);
}

TEST_F(ServidorSqlServerTest, OracleNeedsItsDriverInTheRegistry)
{
    db::Connection connection;
    EXPECT_EQ(
        errorNumber([&] { connection.Open("Provider=OraOLEDB.Oracle.1;Data Source=PROD;User Id=u;Password=p;"); }),
        -2147467259);
    EXPECT_TRUE(connection.errors().Item(0).Description.contains("[ORACLE]"));
}
