#pragma once

#include "platform/db/Engine.h"

#include <memory>

namespace db {

class ConnectionString;

// The server registry in the program folder: one section per server name,
// "motor=sqlite" with "carpeta=<folder>" for a folder of SQLite databases, or
// "motor=odbc" with "cadena=<ODBC connection text>" where {base}, {usuario}
// and {clave} stand for the database, login and password. A server that is
// not registered is SQL Server, reached through FreeTDS; an Oracle connection
// needs the section [ORACLE] with its "cadena=". The file is the program's
// own: UTF-8, or Windows-1252 when it is not valid UTF-8.
inline constexpr char kServerRegistryFile[] = "servidores.ini";

// The engine of a server name as a person names it: "SQLite", the ODBC
// driver the registry's text names, or "SQL Server" for a server not registered.
QString engineNameOf(const QString& server);

// A registry's ODBC text with the login filled in; the database stays {base}.
QString odbcTextWithLogin(const QString& cadena, const QString& user, const QString& password);

// The FreeTDS text for a SQL Server "host", "host:port" or "host\instance".
QString freeTdsText(const ConnectionString& text);

// Opens the database that a connection text names, on the engine its server
// is registered with; `timeoutSeconds` bounds the wait for a server. Throws
// EngineFailure.
std::unique_ptr<Engine> openEngine(const ConnectionString& text, int timeoutSeconds);

}  // namespace db
