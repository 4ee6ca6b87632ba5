#include "support/DatabaseTest.h"

#include "database/DB_Dll.h"
#include "esquema/GuionEsquema.h"
#include "lookups/Lib_ClsCons3.h"
#include "platform/db/Connection.h"
#include "platform/db/DbErrors.h"
#include "platform/db/engines/OdbcEngine.h"
#include "platform/db/engines/SqliteEngine.h"
#include "platform/db/engines/SqliteSchema.h"
#include "session/BasesDeDatos.h"
#include "session/ConectarBaseRemota.h"
#include "session/Configuracion.h"
#include "session/ManejoInteractivo.h"
#include "session/Sesion.h"
#include "session/VentanaAcceso.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

constexpr char kPortVariable[] = "EQUIV_PG_PUERTO";
constexpr char kFolderVariable[] = "EQUIV_PG_CARPETA";
constexpr char kLocalFolder[] = "datos";

// Schema scripts run once per test program; each test copies the result.
QString templateOf(const QStringList& scripts)
{
    // Beside the test program: tests point TMPDIR at folders that come and go.
    static QTemporaryDir folder(QCoreApplication::applicationDirPath() + "/plantillas-XXXXXX");
    const QString path = folder.filePath(scripts.join('+') + ".sqlite");
    if (!QFile::exists(path)) {
        QStringList texts;
        for (const QString& name : scripts) texts.append(GuionEsquema(name));
        db::createSqliteDatabase(path, texts);
    }
    return path;
}

void copyTemplate(const QStringList& scripts, const QString& target)
{
    QFile::remove(target);
    EXPECT_TRUE(QFile::copy(templateOf(scripts), target)) << target.toStdString();
    QFile(target).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

QString postgresPort()
{
    const QString port = qEnvironmentVariable(kPortVariable);
    if (!port.isEmpty()) return port;
    QFile file(QDir(qEnvironmentVariable(kFolderVariable)).filePath("puerto"));
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()).trimmed() : QString();
}

QString postgresText(const QString& user, const QString& password)
{
    return "Driver={PostgreSQL Unicode};Server=127.0.0.1;Port=" + postgresPort() + ";Database={base};Uid=" + user
           + ";Pwd=" + password + ";";
}

void dropPostgresDatabase(const QString& name)
{
    try {
        db::OdbcEngine admin(postgresText("postgres", "postgres"), "postgres", 5);
        admin.run("DROP DATABASE IF EXISTS \"" + name + "\" WITH (FORCE)");
    } catch (const db::EngineFailure& failure) {
        ADD_FAILURE() << "PostgreSQL: " << failure.description.toStdString();
    }
}

// A fresh database from one of the cluster's templates, owned by a login of
// its own name (the suite logs into a database with its name as user and,
// but for the statistics database, as password).
void createPostgresDatabase(const QString& name, const QString& templateName, const QString& password)
{
    try {
        db::OdbcEngine admin(postgresText("postgres", "postgres"), "postgres", 5);
        dropPostgresDatabase(name);
        admin.run("DO $$ BEGIN CREATE ROLE \"" + name + "\" LOGIN SUPERUSER PASSWORD '" + password
                  + "'; EXCEPTION WHEN duplicate_object THEN ALTER ROLE \"" + name + "\" PASSWORD '" + password
                  + "'; END $$");
        admin.run("CREATE DATABASE \"" + name + "\" TEMPLATE " + templateName + " OWNER \"" + name + "\"");
    } catch (const db::EngineFailure& failure) {
        ADD_FAILURE() << "PostgreSQL: " << failure.description.toStdString();
    }
}

}  // namespace

void resetSharedObjects()
{
    gBaseDatos() = DB_Dll(std::make_unique<ManejoInteractivo>());
    gBaseDatosVX() = DB_Dll(std::make_unique<ManejoInteractivo>());
    gBaseRemota() = DB_Dll();
    DescartarConsulta();
    gTablaConfiguracion().clear();
    CfgQuitarDelCache({}, {}, {});
    ProgramasConCacheDeConfiguracion().clear();
    ProgramasDeVentas().clear();
}

bool postgresAvailable() { return !postgresPort().isEmpty(); }

std::string engineName(const ::testing::TestParamInfo<TestEngine>& info)
{
    return info.param == TestEngine::SQLite ? "sqlite" : "postgresql";
}

void DatabaseTest::SetUp()
{
    ProgramTest::SetUp();
    if (!onSqlite() && !postgresAvailable()) GTEST_SKIP() << "no hay un servidor PostgreSQL de prueba";
    resetSharedObjects();
    servers_ = {{kServer, engine_}};
    QDir(programFolder()).mkpath(kLocalFolder);
    writeRegistry();
    createCompanyDatabase(kCompany);
}

void DatabaseTest::TearDown()
{
    resetSharedObjects();
    ProgramTest::TearDown();
}

QString DatabaseTest::registryEntry(const QString& server) const
{
    if (onSqlite()) return "[" + server + "]\r\nmotor=sqlite\r\ncarpeta=" + kLocalFolder + "\r\n";
    return "[" + server + "]\r\nmotor=odbc\r\ncadena=" + postgresText("{usuario}", "{clave}") + "\r\n";
}

TestEngine DatabaseTest::engineOf(const QString& server) const { return servers_.value(server, engine_); }

void DatabaseTest::writeRegistry() const
{
    QString registry;
    for (auto server = servers_.cbegin(); server != servers_.cend(); ++server) {
        if (*server == TestEngine::SQLite) {
            registry += "[" + server.key() + "]\r\nmotor=sqlite\r\ncarpeta="
                        + QDir(programFolder()).relativeFilePath(dataFolder(server.key())) + "\r\n";
        } else {
            registry +=
                "[" + server.key() + "]\r\nmotor=odbc\r\ncadena=" + postgresText("{usuario}", "{clave}") + "\r\n";
        }
    }
    writeProgramFile("servidores.ini", registry);
}

void DatabaseTest::addServer(const QString& server, TestEngine engine)
{
    if (engine == TestEngine::PostgreSQL && !postgresAvailable()) {
        ADD_FAILURE() << "no hay un servidor PostgreSQL de prueba para " << server.toStdString();
        return;
    }
    servers_.insert(server, engine);
    if (engine == TestEngine::SQLite) QDir().mkpath(dataFolder(server));
    writeRegistry();
}

QString DatabaseTest::quoted(const QString& name) const { return '"' + (onSqlite() ? name : name.toLower()) + '"'; }

QString DatabaseTest::connectionText(const QString& database, const QString& password, const QString& server)
{
    return "PROVIDER=SQLOLEDB;Server=" + server + ";Database =" + database + ";UId=" + database
           + ";Pwd=" + (password.isEmpty() ? database : password) + ";Connect Timeout=5;";
}

QString DatabaseTest::dataFolder(const QString& server) const
{
    const QString folder = server == kServer ? QString(kLocalFolder) : QString(kLocalFolder) + "-" + server.toLower();
    return QDir(programFolder()).filePath(folder);
}

QString DatabaseTest::sqliteFile(const QString& database, const QString& server) const
{
    return QDir(dataFolder(server)).filePath(database + ".sqlite");
}

void DatabaseTest::createCompanyDatabase(const QString& name, const QString& server) const
{
    if (engineOf(server) == TestEngine::SQLite)
        copyTemplate({"configuracion.sql", "empresa.sql"}, QDir(dataFolder(server)).filePath(name + ".sqlite"));
    else
        createPostgresDatabase(name, "plantilla_empresa", name);
}

void DatabaseTest::createStatisticsDatabase(const QString& name) const
{
    if (onSqlite())
        copyTemplate({"configuracion.sql"}, QDir(dataFolder()).filePath(name + ".sqlite"));
    else
        createPostgresDatabase(name, "plantilla_estadisticas", kStatisticsPassword);
}

void DatabaseTest::dropDatabase(const QString& name, const QString& server) const
{
    if (engineOf(server) == TestEngine::SQLite)
        QFile::remove(QDir(dataFolder(server)).filePath(name + ".sqlite"));
    else
        dropPostgresDatabase(name);
}

void DatabaseTest::createBareDatabase(const QString& name) const
{
    if (onSqlite())
        copyTemplate({}, QDir(dataFolder()).filePath(name + ".sqlite"));
    else
        createPostgresDatabase(name, "plantilla_compat", name);
}

void DatabaseTest::openCompany(const QString& usuario)
{
    gSesion().gUsuarioLogeado = usuario;
    DB_Dll& base = gBaseDatos();
    base.gUsuarioLogeado = usuario;
    base.gServidor = kServer;
    base.gDBName = kCompany;
    base.gUsuario = kCompany;
    base.gUserPassWord = kCompany;
    base.OpenServerADODB(false, 3, {}, true, true);
    ASSERT_EQ(base.gCnn.State(), db::ado::adStateOpen);
}

void DatabaseTest::seed(const QStringList& statements, const QString& database, const QString& server) const
{
    db::Connection connection;
    connection.Open(connectionText(database, {}, server));
    for (const QString& statement : statements) connection.Execute(statement);
}

void DatabaseTest::seedNative(const QStringList& statements, const QString& database, const QString& server) const
{
    try {
        std::unique_ptr<db::Engine> engine;
        if (engineOf(server) == TestEngine::SQLite)
            engine = std::make_unique<db::SqliteEngine>(dataFolder(server), database);
        else
            engine = std::make_unique<db::OdbcEngine>(postgresText(database, database), database, 5);
        for (const QString& statement : statements) engine->run(statement);
    } catch (const db::EngineFailure& failure) {
        ADD_FAILURE() << database.toStdString() << ": " << failure.description.toStdString();
    }
}

db::Recordset DatabaseTest::read(const QString& statement, const QString& database, const QString& server) const
{
    db::Connection connection;
    connection.Open(connectionText(database, {}, server));
    return connection.Execute(statement);
}
