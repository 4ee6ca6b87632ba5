#pragma once

#include <QString>

class DB_Dll;

// Database records of trouble: a failed statement in AUX_ERR and an audited
// action (a refused sign-in) in V_MV_CPTEACCIONES, both in the company
// database `base`. Neither ever reports a failure of its own.

// `Proceso` empty becomes the executable name, in the caller's variable too.
void GrabarErrorAux(DB_Dll& base, const QString& sql, QString& Proceso, long NumeroError, const QString& Descripcion);

// `Baja` takes no part in the row: one that is neither error, insertion nor
// modification is recorded as a deletion ('B').
void RegistrarAccion(DB_Dll& base, const QString& TC, const QString& IdComprobante, const QString& IdComplemento,
                     bool Alta, bool Modificacion, bool Baja, const QString& Descripcion, const QString& Cuenta,
                     bool EsError);
