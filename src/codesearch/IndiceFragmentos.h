#pragma once

#include "codesearch/ConfiguracionBusqueda.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace db {
class Connection;
}

// The search index that a SQLite company keeps beside its articles: every run
// of one to three characters of each article's description and code, folded
// as LIKE compares them (V_MA_ARTICULOS_INDICE); what it holds of each article,
// by code (V_MA_ARTICULOS_INDEXADOS); and the codes of the articles written
// since it last caught up, which the table's triggers note for whatever program
// writes them (V_MA_ARTICULOS_CAMBIOS). A search can read only the articles
// holding every run of its text and those noted, instead of the table in order
// until a hundred match: a text that few articles hold is found as quickly as
// one that many hold. Databases without the index search as before.
class IndiceFragmentos {
public:
    // The notes taken into the index before one search, at most: each costs
    // up to half a millisecond, of a keystroke's hundred.
    static constexpr int kCambiosPorBusqueda = 50;

    // Brings up to kCambiosPorBusqueda noted articles into the index, unless
    // another connection is writing: a search never waits for one. Articles
    // left noted cost the searches time, never rows.
    void PonerAlDia(db::Connection& conexion, const ConfiguracionBusqueda& config);

    // " and rowid in (...)", what narrows a search of `buscar` in `config` to
    // the articles holding its runs and those noted; empty when there is no
    // index, when the text has nothing but wildcards, or when so many rows
    // hold its runs that reading the table in order finds the first hundred sooner.
    QString Acotacion(db::Connection& conexion, const ConfiguracionBusqueda& config, const QString& buscar);

    // The statements, in one transaction, that bring the first `cambios`
    // noted articles of the table of `config` into its index; all of them
    // when no number is given. They call the program's LIKE_FRAGMENTS.
    static QStringList PuestaAlDia(const ConfiguracionBusqueda& config, std::optional<int> cambios);

private:
    // Whether the table of `config` is the articles' and the database keeps
    // their index, with what it holds and the notes.
    bool indexada(db::Connection& conexion, const ConfiguracionBusqueda& config);

    QString buscada_;  // the database and table last looked up
    bool existe_ = false;
};
