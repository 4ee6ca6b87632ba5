#pragma once

#include "equivalences/VerificacionEquivalencias.h"

class DB_Dll;

// The findings of the last check kept in VERIFICACION_EQUIVALENCIAS, numbered
// from 1 in their order, so that the lookups' list window shows them and the
// spreadsheet export writes them with the statement of `kConsultaHallazgos`.
inline constexpr char kConsultaHallazgos[] =
    "SELECT ID, ARTICULO AS Articulo, UNIDADES AS Unidades, COEFICIENTES AS Coeficientes, PROBLEMA AS Problema "
    "FROM VERIFICACION_EQUIVALENCIAS ORDER BY ID";

void GuardarHallazgos(DB_Dll& base, const QVector<Hallazgo>& hallazgos);
