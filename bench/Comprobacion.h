#pragma once

#include <QString>

struct sqlite3;
struct sqlite3_stmt;

// A bench that did not do its work says why and fails: it never prints
// figures of work that was not done.
void exigir(bool hecho, const QString& falta);

// A raw SQLite connection, as the program's engine opens one (its functions
// registered); a failure of any of these fails the bench.
sqlite3* abrirSqlite(const QString& archivo, int modo);
void ejecutarSqlite(sqlite3* base, const QString& sentencia);
// Runs a prepared write once and resets it.
void escribirSqlite(sqlite3* base, sqlite3_stmt* sentencia);
// The first column of the first row of a query.
long contarSqlite(sqlite3* base, const QString& consulta);
