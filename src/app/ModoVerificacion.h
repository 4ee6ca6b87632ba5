#pragma once

#include "equivalences/InformeVerificacion.h"

#include <QString>

class DB_Dll;

// "equivalencias --verificar <the usual command line>": signs in to `empresa`
// as the window would and writes the consistency check of the company's
// equivalences on stdout, in the format asked for. The count and every
// failure go to stderr, each on one line; nothing does when all is well.
// Returns the process's exit code: 0 nothing found, 1 findings, 2 no check.
int VerificarDesdeConsola(DB_Dll& empresa, const QString& lineaComando, FormatoInforme formato);
