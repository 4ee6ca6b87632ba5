#pragma once

#include <QString>
#include <QStringList>

class DB_Dll;

// The columns of `Tabla` in the database `Destino` is open on, in the order
// of its column schema, without those named in `Excluidos` (case ignored),
// each in square brackets when `Corchetes`, joined by ",". `Tipos` receives
// their ADO type codes joined by ",". A failure reaches the caller.
QString VerificaCampos(const QString& Tabla, DB_Dll& Destino, const QStringList& Excluidos, bool Corchetes,
                       QString& Tipos);
