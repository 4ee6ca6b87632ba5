#pragma once

#include <QString>

// Database records of trouble: a failed statement in AUX_ERR and an audited
// action (a refused sign-in) in V_MV_CPTEACCIONES. Neither ever reports a
// failure of its own.

// `Proceso` empty becomes the executable name, in the caller's variable too.
void GrabarErrorAux(const QString& sql, QString& Proceso, long NumeroError, const QString& Descripcion);

// `Baja` takes no part in the row: one that is neither error, insertion nor
// modification is recorded as a deletion ('B').
void RegistrarAccion(const QString& TC, const QString& IdComprobante, const QString& IdComplemento, bool Alta,
                     bool Modificacion, bool Baja, const QString& Descripcion, const QString& Cuenta, bool EsError);
