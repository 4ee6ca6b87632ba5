#pragma once

#include <QString>

// The settings of the copy to the group database, group "DATOS" of the
// company's settings, read once per save.
struct AjustesGrupo {
    bool habilitada = false;  // "GRP_Deshabilitado" is exactly "0"
    QString tablas;           // auxiliary value of "GRP_Tablas": "|TABLA1|TABLA2|"
    QString tipos;            // "GRP_Tipos": "1" in position 1 inserts, 2 updates, 3 deletes
    QString servidor;         // "GRP_Server" without its ":" port
    QString base;             // "GRP_Base"

    static AjustesGrupo Leer();

    // Whether copies of `Tabla` go to the group database. The account tables'
    // further switches ("GRP_CHECKS") belong to programs that write them.
    bool ReplicaHabilitada(const QString& Tabla) const;
};
