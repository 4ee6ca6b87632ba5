#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The fixed rules replication takes for a table, names compared without
// regard to case: its key columns, and the group of tables a point of sale
// may refuse by one flag of V_TA_TPV.

// `Tabla` without its "@admin_" markers, in any case.
QString TablaSinMarcaAdmin(const QString& Tabla);

// The key columns of `Tabla` in order (the first six pair with Clave1 ..
// Clave6); empty for a table the catalogue does not know, which is then
// never copied: without a key no row of it can be found in another database.
QStringList CamposClave(const QString& Tabla);

struct GrupoTablasTPV {
    QString columnaExclusion;        // the V_TA_TPV flag that refuses the group; empty: never refused
    QStringList columnasPendientes;  // the V_TA_TPV marks of copies of the group still to be sent
    QStringList tablas;
};

// The group `Tabla` belongs to; nothing for a table points of sale never receive.
std::optional<GrupoTablasTPV> GrupoDeTablasTPV(const QString& Tabla);

// Every table whose pending copies a point of sale's mark `columna` stands for.
QStringList TablasConMarcaPendiente(const QString& columna);

// The V_TA_TPV flags by which a point of sale refuses a group of tables.
QStringList ColumnasDeExclusion();
