#pragma once

#include <QString>

// A SQLite schema script built into the program ("configuracion.sql",
// "empresa.sql"); empty when there is no such script.
QString GuionEsquema(const QString& nombre);
