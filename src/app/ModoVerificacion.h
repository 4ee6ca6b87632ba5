#pragma once

#include <QString>

// "equivalencias --verificar <the usual command line>": signs in as the
// window would, prints the consistency check of the company's equivalences
// and returns the process's exit code (0 nothing found, 1 findings, 2 no check).
int VerificarDesdeConsola(const QString& lineaComando);
