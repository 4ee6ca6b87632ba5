#pragma once

#include "codesearch/ConfiguracionBusqueda.h"

#include <QString>

namespace db {
class Connection;
}

// The trigram index that a company database may keep beside its articles
// (V_MA_ARTICULOS_TRIGRAMAS): every three characters of each article's
// description and code, folded as LIKE compares them, under the article's
// rowid. A search whose text holds pieces of three characters or more can
// read only the articles holding them all, instead of the table in order
// until a hundred match: a text that few articles hold is found as quickly
// as one that many hold. Databases without the index search as before.
class IndiceTrigramas {
public:
    // " and rowid in (...)", what narrows a search of `buscar` in `config` to
    // the rows holding its pieces; empty when there is no index, when the
    // text has no piece of three characters, or when so many rows hold them
    // that reading the table in order finds the first hundred sooner.
    QString Acotacion(db::Connection& conexion, const ConfiguracionBusqueda& config, const QString& buscar);

private:
    bool existe(db::Connection& conexion, const QString& tabla);

    QString buscada_;  // the database and table last looked up
    bool existe_ = false;
};
