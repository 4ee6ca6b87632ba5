#pragma once

#include "equivalences/VerificacionEquivalencias.h"

#include <QStringList>

#include <optional>

class DB_Dll;
class QTextStream;

// The consistency check for the command line: one finding per row under a
// header row, as tab-separated text (the default), CSV or a JSON array.
enum class FormatoInforme { Tsv, Csv, Json };

// The names of the formats, the default first.
QStringList FormatosDeSalida();
// The format of a name; nothing for an unknown one.
std::optional<FormatoInforme> FormatoDeSalida(const QString& nombre);

// Writes the findings in the format: the header row alone (an empty array)
// when there are none.
void EscribirHallazgos(const QVector<Hallazgo>& hallazgos, QTextStream& salida, FormatoInforme formato);

// Checks the company's equivalences and writes the findings; returns how many.
qsizetype ImprimirVerificacion(DB_Dll& base, QTextStream& salida, FormatoInforme formato);
