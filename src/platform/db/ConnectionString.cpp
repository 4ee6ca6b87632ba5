#include "platform/db/ConnectionString.h"

#include "platform/VbText.h"

#include <QStringList>

namespace db {

ConnectionString::ConnectionString(const QString& text)
{
    for (const QString& part : text.split(u';', Qt::SkipEmptyParts)) {
        const auto equals = part.indexOf(u'=');
        if (equals < 0) continue;
        const QString key = part.left(equals).trimmed().toLower();
        if (!values_.contains(key)) values_.insert(key, part.mid(equals + 1).trimmed());
    }
}

QString ConnectionString::value(const QString& key) const { return values_.value(key.toLower()); }

QString ConnectionString::server() const
{
    const QString server = value("server");
    return server.isEmpty() && !isOracle() && !isAccess() ? dataSource() : server;
}

QString ConnectionString::database() const
{
    const QString database = value("database");
    return database.isEmpty() ? value("initial catalog") : database;
}

QString ConnectionString::user() const
{
    const QString user = value("uid");
    return user.isEmpty() ? value("user id") : user;
}

QString ConnectionString::password() const
{
    const QString password = value("pwd");
    return password.isEmpty() ? value("password") : password;
}

int ConnectionString::connectTimeout() const { return value("connect timeout").toInt(); }

bool ConnectionString::isOracle() const { return vb::ContainsText(provider(), "ORACLE"); }

bool ConnectionString::isAccess() const { return vb::ContainsText(provider(), "JET"); }

}  // namespace db
