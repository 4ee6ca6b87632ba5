#pragma once

#include <QString>

// The engines with schema scripts of their own, as their folders in sql/.
inline constexpr char kEsquemaSqlite[] = "sqlite";
inline constexpr char kEsquemaPostgresql[] = "postgresql";

// A schema script built into the program ("configuracion.sql", "empresa.sql",
// and PostgreSQL's "compat.sql"), of SQLite unless another engine is named;
// empty when there is no such script.
QString GuionEsquema(const QString& nombre, const QString& motor = kEsquemaSqlite);
