#pragma once

#include "codesearch/ConfiguracionBusqueda.h"

#include <QString>

// The rules that turn the table a host names into the columns the code
// search box searches. Names are compared without regard to case.
namespace ReglasBusqueda {

// The columns of `tabla` (the given name, trimmed), the first matching rule
// deciding: `config` gets the table searched and its columns, which the rules
// for "[MA..." and "MV_..." names other than those they name leave as the
// previous set-up had them. `tablaLlamador`, the host's own variable, is
// rewritten where a rule says so. `cuenta` is the customer of the telephone
// search. Returns whether the table can be searched.
bool ElegirColumnas(const QString& tabla, QString& tablaLlamador, const QString& cuenta, ConfiguracionBusqueda& config);

// The extra condition (or other columns) of the table `config` ended up with.
// The salesman restriction of customer and supplier searches is not part of it.
void AgregarCondicion(ConfiguracionBusqueda& config);

// Whether the searches of `config` are restricted to the user's salesman.
bool RestringeVendedor(const ConfiguracionBusqueda& config);

// The article table, whose search a setting may switch off on its own.
bool EsTablaArticulos(const QString& tabla);

// The maintenance table, whose codes are 25 characters wide and whose rows
// added directly carry the account.
bool EsTablaMantenimientos(const QString& tabla);

// The task that grants direct adds to `tabla`; empty when none does.
QString TareaDeAlta(const QString& tabla);

// The table name as the direct-add question shows it: without the prefix
// "v_ta_", "v_ma_", "ta_" or "ma_".
QString NombreParaOperador(const QString& tabla);

}  // namespace ReglasBusqueda
