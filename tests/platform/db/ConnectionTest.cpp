#include "platform/VbText.h"
#include "platform/db/ColumnType.h"
#include "platform/db/Connection.h"
#include "platform/db/ServerDirectory.h"
#include "platform/db/StatementLog.h"
#include "platform/db/engines/SqliteEngine.h"
#include "platform/os/System.h"
#include "support/DatabaseTest.h"
#include "support/ErrorNumber.h"
#include "support/QStringPrinter.h"
#include "support/SqliteShell.h"

#include <QDir>
#include <QFile>
#include <QMap>

#include <filesystem>

using namespace db;

class ConnectionTest : public EveryEngineTest {
protected:
    Connection connection;
};

TEST_P(ConnectionTest, OpensTheDatabaseOfARegisteredServer)
{
    connection.Open(connectionText());
    EXPECT_EQ(connection.State(), ado::adStateOpen);
    EXPECT_EQ(connection.DefaultDatabase(), "EMPRESA");
    EXPECT_EQ(connection.ConnectionString(), connectionText());

    Recordset rows = connection.Execute("SELECT COUNT(*) AS N FROM S_TA_EQUIV");
    EXPECT_EQ(rows.Fields("n").Value().toLong(), 0);
    connection.Close();
    EXPECT_EQ(connection.State(), ado::adStateClosed);
}

TEST_P(ConnectionTest, ServerAndKeyNamesIgnoreCaseAndBlanks)
{
    writeProgramFile("servidores.ini",
                     onSqlite() ? "[ local ]\r\nMOTOR = SQLite\r\nCarpeta=datos\r\n" : registryEntry(" local "));
    // PostgreSQL keeps the case of database names.
    connection.Open("provider=sqloledb; server=Local ; DATABASE = " + QString(onSqlite() ? "empresa" : "EMPRESA")
                    + " ;uid=EMPRESA;pwd=EMPRESA");
    EXPECT_EQ(connection.State(), ado::adStateOpen);
}

TEST_P(ConnectionTest, AMissingDatabaseFailsWithoutCreatingAFile)
{
    // Logging in with the database's name, the server refuses the login
    // first when it knows logins, as SQL Server does.
    const long expectedNumber = onSqlite() ? -2147467259 : -2147217843;
    const long expectedNative = onSqlite() ? 4060 : 18456;
    EXPECT_EQ(errorNumber([&] { connection.Open(connectionText("NOEXISTE")); }), expectedNumber);
    EXPECT_EQ(connection.State(), ado::adStateClosed);
    ASSERT_EQ(connection.errors().Count(), 1);
    EXPECT_EQ(connection.errors().Item(0).NativeError, expectedNative);
    if (onSqlite()) {
        EXPECT_FALSE(QFile::exists(QDir(dataFolder()).filePath("NOEXISTE.sqlite")));
    }
}

TEST_P(ConnectionTest, AMissingDatabaseOfAKnownLoginIsNotFound)
{
    EXPECT_EQ(errorNumber([&] {
                  connection.Open("PROVIDER=SQLOLEDB;Server=LOCAL;Database =NOEXISTE;UId=EMPRESA;Pwd=EMPRESA;");
              }),
              -2147467259);
    EXPECT_EQ(connection.errors().Item(0).NativeError, 4060);
}

TEST_P(ConnectionTest, AnUnknownServerCannotBeReached)
{
    EXPECT_EQ(errorNumber([&] { connection.Open("PROVIDER=SQLOLEDB;Server=OTRO;Database =EMPRESA;"); }), -2147467259);
    EXPECT_EQ(connection.errors().Item(0).NativeError, 17);
    EXPECT_EQ(connection.errors().Item(0).SQLState, "08001");
}

// The connection finds its server in the list it is handed only: nothing
// reads the program folder's registry behind the program's back.
TEST_P(ConnectionTest, ServersAreFoundInTheInstalledListOnly)
{
    struct OtraLista : ServerDirectory {
        ServerList servers() const override { return ServerList::read(os::programFolder(), "otros.ini"); }
    };
    const QDir folder(programFolder());
    ASSERT_TRUE(QFile::rename(folder.filePath("servidores.ini"), folder.filePath("otros.ini")));
    Service<ServerDirectory>::install(std::make_unique<OtraLista>());
    connection.Open(connectionText());
    EXPECT_EQ(connection.State(), ado::adStateOpen);
    connection.Close();

    Service<ServerDirectory>::install(nullptr);
    EXPECT_EQ(errorNumber([&] { connection.Open(connectionText()); }), -2147467259)
        << "without a list, LOCAL is a SQL Server that nobody runs";
}

TEST_P(ConnectionTest, ObjectStatesAreChecked)
{
    EXPECT_EQ(errorNumber([&] { connection.Execute("SELECT 1"); }), 3709);
    EXPECT_EQ(errorNumber([&] { connection.Close(); }), 3704);
    connection.Open(connectionText());
    EXPECT_EQ(errorNumber([&] { connection.Open(connectionText()); }), 3705);
}

TEST_P(ConnectionTest, ExecuteCountsRowsAndLogsWhatItSends)
{
    StatementLog log;
    connection.setStatementLog(&log);
    connection.Open(connectionText());
    long affected = -1;
    connection.Execute("INSERT INTO V_TA_UNIDAD (IdUnidad, Descripcion) VALUES ('UN', 'Unidad')", affected);
    EXPECT_EQ(affected, 1);
    connection.Execute("UPDATE V_TA_UNIDAD SET Descripcion = 'Unidades' WHERE IdUnidad = 'un'", affected);
    EXPECT_EQ(affected, 1);
    ASSERT_GE(log.entries().size(), 2);
    EXPECT_EQ(log.entries().last().original, "UPDATE V_TA_UNIDAD SET Descripcion = 'Unidades' WHERE IdUnidad = 'un'");

    Recordset rows = connection.Execute("SELECT Descripcion FROM V_TA_UNIDAD WHERE IdUnidad = 'UN'");
    EXPECT_EQ(rows.Fields(0).Value().toText(), "Unidades");
}

TEST_P(ConnectionTest, ErrorsListTheLastFailureUntilCleared)
{
    connection.Open(connectionText());
    EXPECT_NE(errorNumber([&] { connection.Execute("SELECT * FROM NO_EXISTE"); }), 0);
    ASSERT_EQ(connection.errors().Count(), 1);
    connection.Execute("SELECT 1");
    EXPECT_EQ(connection.errors().Count(), 1) << "a success leaves the list alone";
    connection.errors().Clear();
    EXPECT_EQ(connection.errors().Count(), 0);
}

TEST_P(ConnectionTest, TransactionsCommitAndRollBack)
{
    connection.Open(connectionText());
    connection.BeginTrans();
    connection.Execute("INSERT INTO V_TA_UNIDAD (IdUnidad) VALUES ('KG')");
    connection.RollbackTrans();
    connection.BeginTrans();
    connection.Execute("INSERT INTO V_TA_UNIDAD (IdUnidad) VALUES ('LT')");
    connection.CommitTrans();
    Recordset rows = connection.Execute("SELECT IdUnidad FROM V_TA_UNIDAD");
    ASSERT_FALSE(rows.Eof());
    EXPECT_EQ(rows.Fields(0).Value().toText(), "LT");
    rows.MoveNext();
    EXPECT_TRUE(rows.Eof());
}

TEST_P(ConnectionTest, DefaultDatabaseSwitchesWithinTheServer)
{
    createStatisticsDatabase("VX_ESTADISTICAS");
    connection.Open(connectionText());
    connection.setDefaultDatabase("vx_estadisticas");
    EXPECT_TRUE(vb::SameText(connection.DefaultDatabase(), "vx_estadisticas"));
    EXPECT_NE(errorNumber([&] { connection.Execute("SELECT * FROM S_TA_EQUIV"); }), 0);
    EXPECT_NE(errorNumber([&] { connection.setDefaultDatabase("NOEXISTE"); }), 0);
    connection.Execute("SELECT * FROM TA_CONFIGURACION");
}

TEST_P(ConnectionTest, SchemaListsTablesAndColumns)
{
    connection.Open(connectionText());
    Recordset tables = connection.OpenSchema(ado::adSchemaTables);
    QStringList names;
    for (; !tables.Eof(); tables.MoveNext()) names.append(tables.Fields("TABLE_NAME").Value().toText());
    EXPECT_TRUE(names.contains("S_TA_EQUIV", Qt::CaseInsensitive));
    EXPECT_TRUE(names.contains("VT_MA_ARTICULOS", Qt::CaseInsensitive));
    // A full-text index is one table, not the tables it keeps its data in.
    EXPECT_TRUE(names.filter("V_MA_ARTICULOS_INDICE_", Qt::CaseInsensitive).isEmpty());

    Recordset columns = connection.OpenSchema(ado::adSchemaColumns, {"EMPRESA", "", "s_ta_equiv", ""});
    QStringList found;
    for (; !columns.Eof(); columns.MoveNext()) found.append(columns.Fields("COLUMN_NAME").Value().toText());
    EXPECT_EQ(found.join(',').toUpper(), "ID,IDARTICULO,IDUNIDAD,IDUNIDAD_EQUIV,COEFICIENTE,PARATODOS");

    Recordset otherCatalog = connection.OpenSchema(ado::adSchemaColumns, {"OTRA", "", "S_TA_EQUIV", ""});
    EXPECT_TRUE(otherCatalog.Eof());
}

ON_EVERY_ENGINE(ConnectionTest);

// The files behind a SQLite server: a database is a file of the server's
// folder, named by the database's name.
class SqliteFilesTest : public DatabaseTest {
protected:
    static QByteArray contentsOf(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static void write(const QString& path, const QByteArray& contents)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }

    // The same refusal a missing database gets; nothing is opened.
    void expectRefused(const QString& database)
    {
        EXPECT_EQ(errorNumber([&] { connection.Open(connectionText(database)); }), -2147467259)
            << database.toStdString();
        EXPECT_EQ(connection.State(), ado::adStateClosed);
        ASSERT_EQ(connection.errors().Count(), 1);
        EXPECT_EQ(connection.errors().Item(0).NativeError, 4060);
    }

    Connection connection;
};

// A statement kept prepared for reuse keeps nothing of its last run: a marker given no value is NULL.
TEST_F(SqliteFilesTest, EachMarkerReadsItsOwnTextAndAReusedStatementKeepsNoValueOfItsLastRun)
{
    SqliteEngine engine(dataFolder(), kCompany);
    const QString select = "SELECT ?, ?, ?";
    const QDateTime bisiesto(QDate(2024, 2, 29), QTime(8, 5));
    const QVector<Variant> fila = engine.run(select, {Variant("año largo"), Variant(""), Variant(bisiesto)}).rows.at(0);
    EXPECT_EQ(fila.at(0).toText(), "año largo");
    EXPECT_FALSE(fila.at(1).isNull());
    EXPECT_EQ(fila.at(1).toText(), "");
    EXPECT_EQ(fila.at(2).toDateTime(), bisiesto);
    EXPECT_EQ(engine.run("SELECT ?", {Variant(QString(5000, u'x'))}).rows.at(0).at(0).toText().size(), 5000);
    const QVector<Variant> otra = engine.run(select, {Variant("c")}).rows.at(0);
    EXPECT_EQ(otra.at(0).toText(), "c");
    EXPECT_TRUE(otra.at(1).isNull());
    EXPECT_TRUE(otra.at(2).isNull());
}

TEST_F(SqliteFilesTest, ADatabaseNameThatIsAPathIsRefusedAndTheFileItNamesIsLeftAlone)
{
    QDir(programFolder()).mkpath("otra/datos");
    const QString outside = QDir(programFolder()).filePath("otra/datos/EMPRESA_DEMO.sqlite");
    ASSERT_TRUE(QFile::copy(QDir(dataFolder()).filePath("EMPRESA.sqlite"), outside));
    const QString backslashed = QDir(dataFolder()).filePath("otra\\EMPRESA.sqlite");
    ASSERT_TRUE(QFile::copy(QDir(dataFolder()).filePath("EMPRESA.sqlite"), backslashed));
    const QByteArray before = contentsOf(outside);

    expectRefused("../otra/datos/EMPRESA_DEMO");
    expectRefused(QDir(programFolder()).filePath("otra/datos/EMPRESA_DEMO"));
    expectRefused("otra\\EMPRESA");

    connection.Open(connectionText());
    EXPECT_NE(errorNumber([&] { connection.setDefaultDatabase("../otra/datos/EMPRESA_DEMO"); }), 0);
    EXPECT_EQ(connection.DefaultDatabase(), "EMPRESA");
    EXPECT_EQ(contentsOf(outside), before);
    EXPECT_FALSE(QFile::exists(outside + "-wal"));
}

TEST_F(SqliteFilesTest, AFileThatIsNotADatabaseIsAnOpenFailureAndStaysAsItWas)
{
    const QString path = QDir(dataFolder()).filePath("ROTA.sqlite");
    for (const QByteArray& contents : {QByteArray(), QByteArray("EMPRESA;ROTA;texto cualquiera\r\n"),
                                       QByteArray("SQLite format 2\0 y lo demas", 26)}) {
        write(path, contents);
        expectRefused("ROTA");
        EXPECT_EQ(contentsOf(path), contents);
        EXPECT_FALSE(QFile::exists(path + "-wal"));
        EXPECT_FALSE(QFile::exists(path + "-journal"));
    }
}

TEST_F(SqliteFilesTest, TheServerRegistryIsReadAsUtf8OrElseAsWindows1252)
{
    const QString folder = "datos de año";
    QDir(programFolder()).mkpath(folder);
    ASSERT_TRUE(QFile::copy(QDir(dataFolder()).filePath("EMPRESA.sqlite"),
                            QDir(programFolder()).filePath(folder + "/EMPRESA.sqlite")));
    const QString registry = "[LOCAL]\r\nmotor=sqlite\r\ncarpeta=" + folder + "\r\n";
    const QString path = QDir(programFolder()).filePath("servidores.ini");

    write(path, registry.toUtf8());
    connection.Open(connectionText());
    EXPECT_EQ(connection.State(), ado::adStateOpen) << "UTF-8";
    connection.Close();

    write(path, "\xEF\xBB\xBF" + registry.toUtf8());
    connection.Open(connectionText());
    EXPECT_EQ(connection.State(), ado::adStateOpen) << "UTF-8 with its byte order mark";
    connection.Close();

    writeProgramFile("servidores.ini", registry);
    connection.Open(connectionText());
    EXPECT_EQ(connection.State(), ado::adStateOpen) << "Windows-1252";
}

// Another program of the suite, or an administrator's sqlite3 shell, opens and
// closes the company file while the program has it open. It must never take
// itself for the file's last user and remove the write-ahead log from under
// the program, or every later save would be seen by nobody else.
TEST_F(SqliteFilesTest, ASaveIsSeenAtOnceByAnotherProgramThatOpensAndClosesTheFile)
{
    const auto seenByAnotherProgram = [&] {
        return runSqliteShell({sqliteFile(), "SELECT COUNT(*) FROM V_TA_UNIDAD"}).output.trimmed().toInt();
    };
    const auto logDeletedUnderUs = [] {
        std::error_code unreadable;
        for (const auto& fd : std::filesystem::directory_iterator("/proc/self/fd")) {
            const std::string target = std::filesystem::read_symlink(fd.path(), unreadable).string();
            if (target.find("EMPRESA.sqlite-wal (deleted)") != std::string::npos) return true;
        }
        return false;
    };

    connection.Open(connectionText());
    connection.Execute("INSERT INTO V_TA_UNIDAD (IdUnidad) VALUES ('KG')");
    Connection second;  // as the search box or a copy opens its own
    second.Open(connectionText());
    EXPECT_EQ(seenByAnotherProgram(), 1);
    EXPECT_FALSE(logDeletedUnderUs());
    connection.Execute("INSERT INTO V_TA_UNIDAD (IdUnidad) VALUES ('LT')");
    EXPECT_EQ(seenByAnotherProgram(), 2);
    EXPECT_FALSE(logDeletedUnderUs());
}

// The suite's other programs and an administrator's tools write the company
// file with SQLite alone: no table may need anything that only this program
// registers, in a trigger, a default, a check or an index.
TEST_F(SqliteFilesTest, APlainSqliteShellInsertsUpdatesAndDeletesInEveryTableOfTheCompany)
{
    const ShellRun schema = runSqliteShell(
        {sqliteFile(),
         "SELECT t.name, c.name, c.type FROM pragma_table_list t, pragma_table_info(t.name) c "
         "WHERE t.schema = 'main' AND t.type = 'table' AND t.name NOT LIKE 'sqlite%' ORDER BY t.name, c.cid"});
    QMap<QString, QStringList> columns;
    QMap<QString, QStringList> values;
    for (const QByteArray& line : schema.output.split('\n')) {
        const QStringList parts = QString::fromUtf8(line).split('|');
        if (parts.size() != 3) continue;
        columns[parts[0]] << quoted(parts[1]);
        values[parts[0]] << (columnTypeFromDeclared(parts[2]).isNumber() ? "1" : "'1'");
    }
    ASSERT_TRUE(columns.contains("V_MA_ARTICULOS")) << schema.errors.toStdString();

    QStringList script{"BEGIN;"};
    for (auto table = columns.cbegin(); table != columns.cend(); ++table) {
        QStringList assignments;
        for (const QString& column : table.value()) assignments << column + " = " + column;
        const QString name = quoted(table.key());
        // A row that a trigger wrote into the table earlier in the script would hold its keys.
        script << "DELETE FROM " + name + ";"
               << "INSERT INTO " + name + " (" + table.value().join(", ") + ") VALUES ("
                      + values[table.key()].join(", ") + ");"
               << "UPDATE " + name + " SET " + assignments.join(", ") + ";"
               << "DELETE FROM " + name + ";";
    }
    script << "COMMIT;";
    const ShellRun written = runSqliteShell({"-bail", sqliteFile()}, script.join('\n').toUtf8());
    EXPECT_EQ(written.exitCode, 0);
    EXPECT_EQ(written.errors, "");
}
