#pragma once

#include <QString>

class DB_Dll;

// "equivalencias --importar ARCHIVO <the usual command line>": signs in to
// `empresa` as the window would, imports the equivalences of the spreadsheet
// with their copies and history, writes the summary on stdout and the
// refused rows beside the file. Returns the process's exit code: 0 every row
// imported, 1 some refused, 2 nothing could be done.
int ImportarDesdeConsola(DB_Dll& empresa, const QString& archivo, const QString& lineaComando);
