#pragma once

#include "database/TablasPropias.h"
#include "equivalences/VerificacionEquivalencias.h"

class DB_Dll;

// The findings of the last check kept in VERIFICACION_EQUIVALENCIAS, numbered
// from 1 in their order, so that the lookups' list window shows them and the
// spreadsheet export writes them with the statement of `kConsultaHallazgos`.
inline constexpr TablaPropia kTablaHallazgos{
    "VERIFICACION_EQUIVALENCIAS",
    "CREATE TABLE VERIFICACION_EQUIVALENCIAS (ID int PRIMARY KEY, ARTICULO varchar(25), UNIDADES varchar(25), "
    "COEFICIENTES varchar(36), PROBLEMA varchar(250))"};

inline constexpr char kConsultaHallazgos[] =
    "SELECT ID, ARTICULO AS Articulo, UNIDADES AS Unidades, COEFICIENTES AS Coeficientes, PROBLEMA AS Problema "
    "FROM VERIFICACION_EQUIVALENCIAS ORDER BY ID";

void GuardarHallazgos(DB_Dll& base, const QVector<Hallazgo>& hallazgos);
