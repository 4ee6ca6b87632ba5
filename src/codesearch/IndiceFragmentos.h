#pragma once

#include "codesearch/ConfiguracionBusqueda.h"

#include <QString>

namespace db {
class Connection;
}

// The search index that a company database may keep beside its articles
// (V_MA_ARTICULOS_FRAGMENTOS): every run of one to three characters of each
// article's description and code, folded as LIKE compares them, under the
// article's rowid. A search can read only the articles holding every run of
// its text, instead of the table in order until a hundred match: a text that
// few articles hold is found as quickly as one that many hold. Databases
// without the index search as before.
class IndiceFragmentos {
public:
    // " and rowid in (...)", what narrows a search of `buscar` in `config` to
    // the rows holding its runs; empty when there is no index, when the text
    // has nothing but wildcards, or when so many rows hold its runs that
    // reading the table in order finds the first hundred sooner.
    QString Acotacion(db::Connection& conexion, const ConfiguracionBusqueda& config, const QString& buscar);

private:
    bool existe(db::Connection& conexion, const QString& tabla);

    QString buscada_;  // the database and table last looked up
    bool existe_ = false;
};
