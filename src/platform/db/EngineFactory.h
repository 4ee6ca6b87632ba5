#pragma once

#include "platform/db/Engine.h"

#include <memory>

namespace db {

class ConnectionString;
class ServerList;

// The engine of a server name as a person names it: "SQLite", the ODBC
// driver the list's text names, or "SQL Server" for a server not listed.
QString engineNameOf(const QString& server, const ServerList& servers);

// A registry's ODBC text with the login filled in; the database stays {base}.
QString odbcTextWithLogin(const QString& cadena, const QString& user, const QString& password);

// The FreeTDS text for a SQL Server "host", "host:port" or "host\instance".
QString freeTdsText(const ConnectionString& text);

// Opens the database that a connection text names, on the engine its server
// is listed with; `timeoutSeconds` bounds the wait for a server. Throws
// EngineFailure.
std::unique_ptr<Engine> openEngine(const ConnectionString& text, const ServerList& servers, int timeoutSeconds);

}  // namespace db
