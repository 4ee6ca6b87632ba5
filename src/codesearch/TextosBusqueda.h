#pragma once

#include "platform/Variant.h"

#include <QString>

// Text rules of the code search box.
namespace TextosBusqueda {

// Blanks between a list entry's description and its code.
constexpr int kBlancosEntrada = 50;

// A code of digits right-aligned in `Largo` characters (in the code's own
// length when `Largo` is not positive); any other code trimmed. A code longer
// than `Largo` is kept whole.
QString FmtLeerCodigo(const QString& codigo, int Largo = 0);

// A field's value as text; Null gives the empty text.
QString FieldVal(const Variant& recFieldVal);

// A list entry as the operator sees it: description, 50 blanks, code.
QString EntradaLista(const QString& descripcion, const QString& codigo);

}  // namespace TextosBusqueda
