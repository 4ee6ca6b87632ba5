#pragma once

#include "codesearch/ConfiguracionBusqueda.h"

#include <QString>
#include <QStringList>

#include <optional>

// The statements of the code search box, in SQL Server's T-SQL. Everything
// typed by the operator or given for the user, the account or the price list
// enters them quoted.
namespace SentenciasBusqueda {

constexpr int kFilasBuscadas = 100;

// The typed text as the search's pattern: each blank stands for any run of
// characters ("caja chica" finds "caja%chica").
QString Patron(const QString& buscar);

// The first rows, in the order of their description, whose description or
// code holds the pattern of `buscar`. With a price list, article searches
// only look at the articles priced in that list.
QString Busqueda(const ConfiguracionBusqueda& config, const QString& buscar, const QString& idLista);

// Whether the search of `config` is the plain one over one table, the one a
// keystroke can narrow (see BusquedaProgresiva).
bool Acotable(const ConfiguracionBusqueda& config, const QString& idLista);

// The plain search among the rows whose code is one of `codigos` and, when
// given, whose description sorts before `antesDe`; ties in code order.
QString BusquedaEntreCodigos(const ConfiguracionBusqueda& config, const QString& buscar, const QStringList& codigos,
                             const std::optional<QString>& antesDe);

// The first `filas` rows of the plain search whose description sorts at
// `desde` or after it.
QString BusquedaDesde(const ConfiguracionBusqueda& config, const QString& buscar, const QString& desde, int filas);

// The first `filas` rows of the plain search that have no description.
QString BusquedaSinDescripcion(const ConfiguracionBusqueda& config, const QString& buscar, int filas);

// The derived table of the telephone search: customers and the documents of
// `cuenta`, each with a telephone of at least six digits and no letters.
QString TablaTelefonos(const QString& cuenta);

// The user's row, whose IdVendedor restricts customer and supplier searches.
QString VendedorDelUsuario(const QString& usuario);

// A row when `usuario` holds the task `tarea`.
QString TareaDelUsuario(const QString& tarea, const QString& usuario);

// The suite's procedure that reads one setting (Valor, ValorAux).
QString Configuracion(const QString& campo);

}  // namespace SentenciasBusqueda
