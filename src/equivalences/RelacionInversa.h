#pragma once

#include <QString>

// The relation read the other way round, from the coefficient as it will be
// stored (four decimals): "1 Kilogramo equivale a 0,1111 Metro cuadrado",
// followed by a warning when storing moves the value by more than 0.01 %.
// Empty when the coefficient is not a number above zero once stored.
QString lineaInversa(const QString& coeficienteTecleado, const QString& descripcionUnidad,
                     const QString& descripcionEquivalente);
