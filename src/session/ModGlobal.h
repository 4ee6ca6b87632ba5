#pragma once

#include <QString>
#include <QStringList>

class DB_Dll;

namespace db {
class Recordset;
}

// Shared routines that write data.

// Stores an entered text into a field of the row being written, converted as
// the column's type asks: short texts (up to 29 characters) as codes through
// FormatoCodigo, blanks as Null, numbers and amounts with "." as decimal
// separator, Booleans by TextoABooleano, dates when the text is one.
void AsignarCampo(db::Recordset& registro, const QString& campo, const QString& valor);

// Runs the statements as one transaction on the company database `base`. On a
// database error everything is rolled back, an AUX_ERR row records the script,
// and the error lines are shown when `MostrarMensaje` (duplicate keys and
// constraint conflicts can be kept quiet). `CodigoError` receives the native
// number of the first error, 0 when none; it is left alone when there was
// nothing to run.
void GActualizarDatoScript(DB_Dll& base, const QStringList& Sentencias, bool& HuboError, long& CodigoError,
                           bool OmitirAvisoDuplicado, bool OmitirAvisoRelacion, QString& ScriptEjecutado,
                           QString& MensajeError, bool MostrarMensaje);
