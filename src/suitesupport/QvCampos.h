#pragma once

#include <QList>
#include <QString>

class QWidget;
class TextField;

namespace db {
class Recordset;
}

// Field handling of the support library, over the entry fields of a window
// (TextField: a line edit with its array index, DataField and Tag).
//
// Decisions of this library:
// - IndiceCampo gives -1 when no field has that DataField.
// - SiguienteCampo moves on only for the confirming key (Enter), to the next
//   enabled, visible field in the window's tab order.
// - FiltrarTecla lets control characters through; turns an apostrophe into
//   an acute accent in every field, since the suite quotes codes in its SQL
//   texts; and, in a field bound to a numeric column, lets through only
//   digits, signs and the separators "," and ".", as typed. A character
//   that is not let through comes back as 0.
// - PrepararCampos marks the fields bound to numeric columns of the table, so
//   that FiltrarTecla knows them; fields bound to no column stay as they are.
// - CargarCamposRegistro shows each bound field's value trimmed (codes are
//   stored right-aligned), a Null as empty.
class QvCampos {
public:
    static int IndiceCampo(const QString& columna, const QList<TextField*>& campos);
    // Empties the window's fields from index `primero` on (0, or 2 to keep 0 and 1).
    static void LimpiarCampos(QWidget& ventana, int primero);
    static bool EsTeclaConfirmar(int codigoTecla);
    static void SiguienteCampo(int codigoTecla);
    static int FiltrarTecla(const TextField& campo, int caracter);
    static void PrepararCampos(const QList<TextField*>& campos, const QString& tabla, const QString& cadenaConexion);
    static void CargarCamposRegistro(const QList<TextField*>& campos, db::Recordset& registro);
};
