#pragma once

#include <QString>

// Codes as the equivalences store and compare them: normalised by
// FormatoCodigo to the width of their kind.
inline constexpr int kAnchoArticulo = 25;
inline constexpr int kAnchoUnidad = 4;

QString codigoArticulo(const QString& texto);
QString codigoUnidad(const QString& texto);
