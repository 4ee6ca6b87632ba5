#pragma once

class DB_Dll;
class QTextStream;

// The consistency check as plain text, one finding per line, for the
// command line: returns 0 when there is nothing to report, 1 otherwise.
int ImprimirVerificacion(DB_Dll& base, QTextStream& salida);
