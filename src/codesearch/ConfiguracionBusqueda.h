#pragma once

#include <QString>

// What a search of the code search box reads, set up by BusquedaDisponible
// and kept until the next set-up.
struct ConfiguracionBusqueda {
    static constexpr int kAnchoCodigo = 4;
    static constexpr int kAnchoCodigoMantenimiento = 25;

    QString tabla;  // what is searched: a table, a view or a derived table
    QString campoCodigo;
    QString campoDescripcion;
    QString condicionExtra;          // appended after the search condition; may be empty
    int anchoCodigo = kAnchoCodigo;  // of the codes a direct add writes
    bool calendario = false;         // a date field: the calendar instead of a search
};
