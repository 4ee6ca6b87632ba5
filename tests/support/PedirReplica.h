#pragma once

#include "replication/ModGruposEmp.h"

// A replication request to the installed service, written as the suite's
// programs write it: table, operation, up to six keys in SQL form, a condition.
inline void ActualizaGEmpresas(const QString& Tabla, long Operacion, const QString& Clave1 = {},
                               const QString& Clave2 = {}, const QString& Clave3 = {}, const QString& Clave4 = {},
                               const QString& Clave5 = {}, const QString& Clave6 = {}, const QString& Condicion = {})
{
    Service<Replicacion>::get().ActualizaGEmpresas(
        {Tabla, Operacion, {Clave1, Clave2, Clave3, Clave4, Clave5, Clave6}, Condicion});
}
