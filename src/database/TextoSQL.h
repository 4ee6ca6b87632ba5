#pragma once

#include "platform/Variant.h"

#include <QString>

// SQL text helpers of the database class: value quoting, ADO type groups,
// object-name helpers, the synonym rewrite and the Oracle translation.
// DB_Dll delegates to them and passes its own state (Oracle connection,
// administrator, confidentiality setting). None of them traps errors: an
// ErrorVB reaches the caller's handler.
//
// Decisions fixed here:
// - SQLValue with "'" doubles every single quote inside the value, so a value
//   can never close its literal early; nothing else in the text changes.
//   With "@" the amount is written with "." as decimal separator; a text that
//   is not a number raises error 13. Any other marker writes the value bare.
// - A type code is compared as the value's text, so "7" and 7 classify alike;
//   Null and Empty belong to no group.
// - StripConnect of a name that starts with "->" and StripBrackets of a lone
//   "[" give the empty text.
// - StripFileName splits at the last "\" (the suite's file names) or "/"
//   (this platform's paths), whichever comes last.
// - ORACLE_Dicc: a TOP count that nothing follows leaves the body empty; a
//   quoted text is a date only when it has a "/" or "-" (digits alone are
//   codes); a "103" is a date style only when "TO_CHAR(" ends at the nearest
//   "(" before it, so a "103" without any "(" before it stays; a quote that
//   is never closed raises error 5.
// - TopOracle leaves a text unchanged when no "*" follows its TOP.
// - SS_TSinonimos skips the deposit and families rules for the programs named
//   in their exception lists; both lists are empty, so the rules always apply.

Variant SQLValue(const Variant& valor, const QString& Tipo = "'");
// The text with every "'" doubled, to stand between quotes in a statement:
// a value typed by the operator can then neither end its literal early nor
// change what the statement does.
QString ComillasDobladas(const QString& texto);
// The text as a quoted SQL literal: "'" + ComillasDobladas(texto) + "'".
QString EntreComillas(const QString& texto);

bool adodate(const Variant& Qtype);
bool ADOText(const Variant& Qtype);
bool ADONumeric(const Variant& Qtype);
bool ADOCurrency(const Variant& Qtype);
bool ADOBoolean(const Variant& Qtype);
// "'" for date and text codes, "" for any other.
QString ADOComilla(const Variant& Qtype);

// With one "." the part after it (rnPart) or before it; with more, rsName
// loses everything up to its first "." and that is the result.
QString stSTF(QString& rsName, bool rnPart);
QString AddBrackets(const QString& rObjName);
QString StripConnect(const QString& rsTblName);
QString StripBrackets(const QString& rsObjName);
// Cuts rsName after its first "." when it has one.
QString StripOwner(QString& rsTblName);
QString StripFileName(const QString& rsFileName);

// esOracle: the connection string names ORACLE.
QString ORACLE_Dicc(const QString& valor, bool esOracle);
QString SS_TSinonimos(const QString& sql, bool esAdmin, bool confidencialidad);
QString TopOracle(const QString& texto, bool esOracle);
