#pragma once

#include <QString>
#include <QStringList>

// The lookup catalogue's routines: what the lookups know about tables before
// any query runs, kept in the program folder's definition file
// "consultas.vtx" and width file "CONSULTASLEN.VTX".

// Opens the lookup of `Tabla` and returns the chosen code in `CampoCodigo`
// (empty when nothing was chosen) and the chosen row's extra column in
// `CampoExtra`. The catalogue names the columns; a few tables are looked up
// under another name, which `Tabla` receives. Without a definition file the
// lookup is shown only when `Mostrar`; it is not, the outputs hold the
// column names.
void ConsultaTabla(QString& Tabla, QString& CampoDescripcion, QString& CampoCodigo, QString& CampoExtra, bool Mostrar,
                   const QString& Where);
// The SELECT list of `Tabla` from its definition record ("*" without one)
// and its first column. The stock view "STK_MA_ARTICULOS" may take the
// article view's record, with its deposit columns added. Raises error 75
// when the definition file cannot be read.
void ColumnasConsulta(const QString& Tabla, QString& Columnas, QString& PrimeraColumna);
// The default record and widths of a tropa view; nothing for any other name.
void CrearConsultaDefecto(const QString& Tabla);
// Writes the eleven default records into the definition file
// (gConsulta().gRutaMascaraConsultas); raises error 75 when it cannot.
void CrearArchivoConsultas();
// Whether the file, with its double quotes removed, can be read.
bool ExisteArchivo(const QString& Ruta);
// Programs of the suite for which ConsultaTabla never reads the definition
// file (compared with the executable's name); empty here.
QStringList& ProgramasSinDefiniciones();
