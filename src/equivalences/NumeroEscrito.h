#pragma once

#include <QString>

class Variant;

// A coefficient as the operator reads it: a decimal comma, at least four
// decimals and four significant figures for small values, no trailing zeros.
QString numeroEscrito(double valor);

// A stored value as the operator reads it: decimals with a decimal comma,
// anything else as its text.
QString valorEscrito(const Variant& valor);

// "1 <una>" or "<n> <varias>": a count as a sentence says it.
QString cantidad(qsizetype n, const char* una, const char* varias);
