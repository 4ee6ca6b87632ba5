#pragma once

#include "Relay.h"

#include <QString>
#include <QStringList>

#include <memory>

struct sqlite3;

// The tests' throwaway PostgreSQL cluster (its folder in EQUIV_PG_CARPETA,
// started by `make bench`), reached by the program through a relay that adds
// a LAN's delay and counts round trips. Without the cluster or psqlODBC the
// bench fails, saying so.
class ServidorPostgres {
public:
    // Its name in servidores.ini.
    static constexpr char kNombre[] = "BENCHPG";

    ServidorPostgres();

    // servidores.ini in the program's folder: a SQLite server on that folder
    // (or on `carpetaSqlite` within it), and this server behind the relay.
    void escribirServidores(const QString& carpeta, const QString& servidorSqlite,
                            const QString& carpetaSqlite = QStringLiteral(".")) const;
    // A company database from the cluster's template, its login of its own
    // name (the suite logs in with the database's name as user and password).
    void crearEmpresa(const QString& nombre) const;
    // Setup and checks go straight to the server, not through the relay.
    void ejecutar(const QString& base, const QString& sentencia) const;
    long contar(const QString& base, const QString& consulta) const;
    // The columns of a table of a SQLite database, written into the same
    // table of a database of the cluster.
    void copiarDeSqlite(sqlite3* origen, const QString& tabla, const QStringList& columnas, const QString& base) const;
    // The demo company's articles and the settings the search box and the
    // lookups read, copied from its SQLite file to a new company `nombre`,
    // which must then hold `articulos` articles.
    void copiarEmpresaDemo(const QString& archivo, const QString& nombre, long articulos) const;
    long idasYVueltas() const { return relay_->idasYVueltas(); }

private:
    QString cadena(const QString& puerto, const QString& usuario, const QString& clave) const;

    QString puerto_;
    std::unique_ptr<Relay> relay_;
};
