#pragma once

#include "platform/db/Recordset.h"
#include "session/BasesDeDatos.h"
#include "support/ProgramTest.h"

#include <QMap>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

// The engines a database test runs on. PostgreSQL is the throwaway cluster
// that the tests start (tools/postgres-prueba.sh): its port is in the file
// "puerto" of the folder EQUIV_PG_CARPETA names (or in EQUIV_PG_PUERTO, for a
// cluster started by hand); without either those runs are skipped.
enum class TestEngine { SQLite, PostgreSQL };

std::string engineName(const ::testing::TestParamInfo<TestEngine>& info);

// Runs a parameterised database suite on every engine.
#define ON_EVERY_ENGINE(Suite) \
    INSTANTIATE_TEST_SUITE_P(Engines, Suite, ::testing::Values(TestEngine::SQLite, TestEngine::PostgreSQL), engineName)

// Whether the throwaway PostgreSQL cluster can be reached by this test program.
bool postgresAvailable();
// The program's database objects and its settings cache as a fresh start has them.
void resetSharedObjects();

// A test whose program folder registers a server "LOCAL" with the company
// database EMPRESA, created empty from the schema scripts, on the engine the
// test runs on. More servers, on either engine, can be registered beside it.
// The shared database objects and the settings cache start afresh.
class DatabaseTest : public ProgramTest {
protected:
    explicit DatabaseTest(TestEngine engine = TestEngine::SQLite) : engine_(engine) {}

    void SetUp() override;
    void TearDown() override;

    static constexpr char kServer[] = "LOCAL";
    static constexpr char kCompany[] = "EMPRESA";

    TestEngine engine() const { return engine_; }
    bool onSqlite() const { return engine_ == TestEngine::SQLite; }
    // A table or column name as the engine's own statements quote it.
    QString quoted(const QString& name) const;

    // The statistics database's login password on every server of the suite.
    static constexpr char kStatisticsPassword[] = "KR_TEMPLANZADAS";

    // "PROVIDER=SQLOLEDB;Server=LOCAL;Database =<database>;..." as the suite
    // writes it; the login is the database name, and so is the password unless given.
    static QString connectionText(const QString& database = kCompany, const QString& password = {},
                                  const QString& server = kServer);
    // Registers another server in servidores.ini: on SQLite a folder of its
    // own, on PostgreSQL the throwaway cluster (whose databases all servers
    // registered on it share).
    void addServer(const QString& server, TestEngine engine);
    // Creates another empty company database, on LOCAL or on a server added.
    void createCompanyDatabase(const QString& name, const QString& server = kServer) const;
    // Creates the statistics database (settings table only), whose login has
    // the statistics password.
    void createStatisticsDatabase(const QString& name) const;
    // Creates a database without tables, for a test that makes its own: on
    // PostgreSQL it holds what compat.sql adds, as every database there does.
    void createBareDatabase(const QString& name) const;
    // Removes a database of the server, when there is one (databases of the
    // PostgreSQL server outlive the test that created them).
    void dropDatabase(const QString& name, const QString& server = kServer) const;
    // The SQLite server's folder.
    QString dataFolder(const QString& server = kServer) const;
    // The file of a database of the SQLite server.
    QString sqliteFile(const QString& database = kCompany, const QString& server = kServer) const;
    // The lines of servidores.ini that register "LOCAL" on this engine.
    QString registryEntry(const QString& server = kServer) const;
    // Opens gBaseDatos() on EMPRESA as the start-up does, signed in as `usuario`.
    void openCompany(const QString& usuario = "ADMIN");
    // Runs statements directly on a database (EMPRESA unless named), outside
    // the program's objects, as the program writes them (SQL Server's dialect).
    void seed(const QStringList& statements, const QString& database = kCompany, const QString& server = kServer) const;
    // The same in the engine's own language, for what the program never
    // writes: triggers, functions.
    void seedNative(const QStringList& statements, const QString& database, const QString& server) const;
    // Rows of a database, read outside the program's objects.
    db::Recordset read(const QString& statement, const QString& database = kCompany,
                       const QString& server = kServer) const;

private:
    TestEngine engineOf(const QString& server) const;
    void writeRegistry() const;

    TestEngine engine_;
    QMap<QString, TestEngine> servers_;
};

// A database suite that runs on every engine: `TEST_P(Suite, ...)` and
// `ON_EVERY_ENGINE(Suite)`.
class EveryEngineTest : public DatabaseTest, public ::testing::WithParamInterface<TestEngine> {
protected:
    EveryEngineTest() : DatabaseTest(GetParam()) {}
};
