#pragma once

#include <QString>

// A coefficient as the operator reads it: a decimal comma, at least four
// decimals and four significant figures for small values, no trailing zeros.
QString numeroEscrito(double valor);
