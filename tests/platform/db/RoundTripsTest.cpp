#include "Relay.h"
#include "platform/db/Connection.h"
#include "support/DatabaseTest.h"

#include <QRegularExpression>

#include <optional>

using namespace db;

// What a server across a link costs: the round trips of record-set writes,
// counted by the benches' relay between the connection and the server.
class RoundTripsTest : public EveryEngineTest {
protected:
    static constexpr char kRelayed[] = "RELAYED";

    void SetUp() override
    {
        EveryEngineTest::SetUp();
        if (IsSkipped()) return;
        const QString direct = registryEntry(kRelayed);
        static const QRegularExpression port(QStringLiteral("Port=(\\d+)"));
        relay.emplace(static_cast<std::uint16_t>(port.match(direct).captured(1).toUInt()),
                      std::chrono::microseconds(0));
        writeProgramFile("servidores.ini",
                         registryEntry() + QString(direct).replace(port, "Port=" + QString::number(relay->puerto())));
        connection.Open(connectionText(kCompany, {}, kRelayed));
        rows.Open("SELECT * FROM S_TA_EQUIV WHERE 1 = 0", connection, ado::adOpenDynamic, ado::adLockOptimistic);
    }

    // The round trips `work` makes.
    template <typename Work>
    long roundTrips(Work work)
    {
        const long before = relay->idasYVueltas();
        work();
        return relay->idasYVueltas() - before;
    }

    void addRow(const QString& article)
    {
        rows.AddNew();
        rows.Fields("IDARTICULO").setValue(article);
        rows.Fields("IDUNIDAD").setValue("KG");
        rows.Fields("IDUNIDAD_EQUIV").setValue("GR");
        rows.Fields("COEFICIENTE").setValue(1000);
        rows.Update();
    }

    qint64 storedId(const QString& article) const
    {
        return read("SELECT ID FROM S_TA_EQUIV WHERE IDARTICULO = '" + article + "'").Fields(0).Value().toLong();
    }

    std::optional<Relay> relay;
    Connection connection;
    Recordset rows;
};

TEST_P(RoundTripsTest, EachRowWrittenIsOneRoundTripInOrOutOfATransaction)
{
    EXPECT_EQ(roundTrips([&] { addRow("A1"); }), 2) << "the table's columns and key once, then the row";
    EXPECT_EQ(roundTrips([&] {
                  addRow("A2");
                  addRow("A3");
              }),
              2)
        << "the number the server gives a row comes back with it";
    EXPECT_EQ(rows.Fields("ID").Value().toLong(), storedId("A3"));

    EXPECT_EQ(roundTrips([&] {
                  connection.BeginTrans();
                  addRow("A4");
                  addRow("A5");
                  connection.CommitTrans();
              }),
              3)
        << "the transaction's start and each row's savepoint travel with the rows";
    EXPECT_EQ(rows.Fields("ID").Value().toLong(), storedId("A5"));

    EXPECT_EQ(roundTrips([&] {
                  rows.Fields("COEFICIENTE").setValue(2);
                  rows.Update();
                  rows.Delete();
              }),
              2);
    EXPECT_EQ(read("SELECT COUNT(*) FROM S_TA_EQUIV").Fields(0).Value().toLong(), 4);
}

// The count means something only across a link.
INSTANTIATE_TEST_SUITE_P(Engines, RoundTripsTest, ::testing::Values(TestEngine::PostgreSQL), engineName);
