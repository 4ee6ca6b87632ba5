#pragma once

#include <QString>

// The columns by which a lookup of a table describes a row, returns its code
// and hands back one more value.
struct ColumnasCatalogo {
    QString Descripcion;
    QString Codigo;
    QString Extra;
};

// The lookup catalogue: the first of its rules that covers `Tabla` (names
// compared ignoring case) sets the three columns; a table no rule covers
// keeps those given. A few tables are looked up under another name, which
// `Tabla` receives.
void ResolverCatalogo(QString& Tabla, ColumnasCatalogo& columnas);
