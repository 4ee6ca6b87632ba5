#pragma once

#include "platform/os/PrivateProfile.h"

#include <QString>

#include <optional>

namespace db {

// The servers that connection texts may name, as a registry file lists them:
// one section per server name, "motor=sqlite" with "carpeta=<folder>" for a
// folder of SQLite databases, or "motor=odbc" with "cadena=<ODBC connection
// text>" where {base}, {usuario} and {clave} stand for the database, login and
// password. A server that is not listed is SQL Server, reached through
// FreeTDS; an Oracle connection needs the section [ORACLE] with its "cadena=".
// The file is UTF-8, or Windows-1252 when it is not valid UTF-8. A value:
// whoever owns the registry reads it and hands it over.
class ServerList {
public:
    // No server listed.
    ServerList() = default;
    // The file `fileName` of `folder` (its name's case ignored); a server's
    // folder is taken from `folder`. A missing file lists no server.
    static ServerList read(const QString& folder, const QString& fileName);

    // "sqlite", "odbc" or empty, as the file writes it.
    QString engine(const QString& server) const;
    // The folder of a SQLite server's databases, absolute.
    QString folder(const QString& server) const;
    // The ODBC text of a server, with its placeholders.
    QString odbcText(const QString& server) const;
    // The file's name, for a message that sends the reader to it.
    const QString& fileName() const { return fileName_; }

private:
    QString value(const QString& server, const QString& key) const;

    std::optional<os::Profile> profile_;
    QString base_;
    QString fileName_;
};

}  // namespace db
