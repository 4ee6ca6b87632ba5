#include "support/DatabaseTest.h"

#include "database/DB_Dll.h"
#include "database/VentanaAcceso.h"
#include "platform/db/Connection.h"
#include "platform/db/SqliteSchema.h"
#include "session/Configuracion.h"
#include "session/Sesion.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

QString script(const QString& name)
{
    QFile file(":/sql/sqlite/" + name);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

// Schema scripts run once per test program; each test copies the result.
QString templateOf(const QStringList& scripts)
{
    // Beside the test program: tests point TMPDIR at folders that come and go.
    static QTemporaryDir folder(QCoreApplication::applicationDirPath() + "/plantillas-XXXXXX");
    const QString path = folder.filePath(scripts.join('+') + ".sqlite");
    if (!QFile::exists(path)) {
        QStringList texts;
        for (const QString& name : scripts) texts.append(script(name));
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

void resetSharedObjects()
{
    gBaseDatos() = DB_Dll();
    gBaseDatosVX() = DB_Dll();
    gTablaConfiguracion().clear();
    CfgQuitarDelCache({}, {}, {});
    ProgramasConCacheDeConfiguracion().clear();
    ProgramasDeVentas().clear();
    instalarVentanaAcceso(nullptr);
}

}  // namespace

void DatabaseTest::SetUp()
{
    ProgramTest::SetUp();
    resetSharedObjects();
    QDir(programFolder()).mkpath("datos");
    writeProgramFile("servidores.ini", "[LOCAL]\r\nmotor=sqlite\r\ncarpeta=datos\r\n");
    createCompanyDatabase(kCompany);
}

QString DatabaseTest::connectionText(const QString& database)
{
    return "PROVIDER=SQLOLEDB;Server=" + QString(kServer) + ";Database =" + database + ";UId=" + database
           + ";Pwd=" + database + ";Connect Timeout=5;";
}

QString DatabaseTest::dataFolder() const
{
    return QDir(programFolder()).filePath("datos");
}

void DatabaseTest::createCompanyDatabase(const QString& name) const
{
    copyTemplate({"configuracion.sql", "empresa.sql"}, QDir(dataFolder()).filePath(name + ".sqlite"));
}

void DatabaseTest::createStatisticsDatabase(const QString& name) const
{
    copyTemplate({"configuracion.sql"}, QDir(dataFolder()).filePath(name + ".sqlite"));
}

void DatabaseTest::TearDown()
{
    resetSharedObjects();
    ProgramTest::TearDown();
}

void DatabaseTest::openCompany(const QString& usuario)
{
    gSesion().gUsuarioLogeado = usuario;
    DB_Dll& base = gBaseDatos();
    base.gServidor = kServer;
    base.gDBName = kCompany;
    base.gUsuario = kCompany;
    base.gUserPassWord = kCompany;
    base.OpenServerADODB(false, 3, {}, true, true);
    ASSERT_EQ(base.gCnn.State(), db::ado::adStateOpen);
}

void DatabaseTest::seed(const QStringList& statements) const
{
    db::Connection connection;
    connection.Open(connectionText());
    for (const QString& statement : statements) connection.Execute(statement);
}
