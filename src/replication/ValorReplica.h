#pragma once

#include "platform/Variant.h"
#include "platform/db/ColumnType.h"

#include <QString>

// How a company value travels into another database's statements, the same
// for an insert and an update: NULL stays NULL; a text, whatever it says
// (also "null"), is quoted with its quotes doubled; numbers go unquoted at
// full precision with "." as decimal separator; Booleans as 1 or 0; dates in
// ISO form. A value that does not fit its column's type goes as quoted text,
// for the target to refuse rather than to receive a wrong value.
QString ValorReplica(const Variant& valor, const db::ColumnType& tipo);

// Whether the target already holds the company's value: NULL equals only
// NULL; numbers, Booleans and dates compare by value; texts without regard to
// case, as the databases compare them.
bool MismoValor(const Variant& local, const Variant& destino, const db::ColumnType& tipo);
