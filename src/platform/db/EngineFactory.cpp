#include "platform/db/EngineFactory.h"

#include "platform/VbText.h"
#include "platform/db/ConnectionString.h"
#include "platform/db/DbErrors.h"
#include "platform/db/ServerList.h"
#include "platform/db/engines/OdbcEngine.h"
#include "platform/db/engines/SqliteEngine.h"

#include <QRegularExpression>

namespace db {

namespace {

constexpr int kSqlServerPort = 1433;

}  // namespace

QString odbcTextWithLogin(const QString& cadena, const QString& user, const QString& password)
{
    return QString(cadena)
        .replace("{usuario}", user, Qt::CaseInsensitive)
        .replace("{clave}", password, Qt::CaseInsensitive);
}

QString engineNameOf(const QString& server, const ServerList& servers)
{
    const QString engine = servers.engine(server);
    if (vb::SameText(engine, "sqlite")) return QStringLiteral("SQLite");
    if (!vb::SameText(engine, "odbc")) return QStringLiteral("SQL Server");
    static const QRegularExpression driver(QStringLiteral("driver\\s*=\\s*\\{?([^};]+)"),
                                           QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch nombre = driver.match(servers.odbcText(server));
    return nombre.hasMatch() ? vb::Trim(nombre.captured(1)) : QStringLiteral("ODBC");
}

QString freeTdsText(const ConnectionString& text)
{
    QString host = vb::Trim(text.server());
    int port = kSqlServerPort;
    const auto colon = host.indexOf(u':');
    if (colon >= 0) {
        port = host.mid(colon + 1).toInt();
        host = host.left(colon);
    }
    return "Driver=FreeTDS;Server=" + host + ";Port=" + QString::number(port) + ";Database={base};UID=" + text.user()
           + ";PWD=" + text.password() + ";TDS_Version=7.4;";
}

std::unique_ptr<Engine> openEngine(const ConnectionString& text, const ServerList& servers, int timeoutSeconds)
{
    if (text.isAccess()) {
        throw EngineFailure{Situation::DatabaseNotFound,
                            "Las bases de datos de Microsoft Access no están disponibles en este equipo.",
                            {},
                            0};
    }
    if (text.isOracle()) {
        const QString cadena = servers.odbcText("ORACLE");
        if (cadena.isEmpty()) {
            throw EngineFailure{Situation::ServerNotFound,
                                "No hay un controlador de Oracle configurado: falta la entrada [ORACLE] con "
                                "cadena= en "
                                    + servers.fileName() + ".",
                                {},
                                0};
        }
        return std::make_unique<OdbcEngine>(odbcTextWithLogin(cadena, text.user(), text.password()), text.dataSource(),
                                            timeoutSeconds);
    }
    const QString server = text.server();
    const QString engine = servers.engine(server);
    if (vb::SameText(engine, "sqlite")) return std::make_unique<SqliteEngine>(servers.folder(server), text.database());
    if (vb::SameText(engine, "odbc")) {
        return std::make_unique<OdbcEngine>(odbcTextWithLogin(servers.odbcText(server), text.user(), text.password()),
                                            text.database(), timeoutSeconds);
    }
    return std::make_unique<OdbcEngine>(freeTdsText(text), text.database(), timeoutSeconds);
}

}  // namespace db
