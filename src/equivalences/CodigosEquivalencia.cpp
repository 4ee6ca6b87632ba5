#include "equivalences/CodigosEquivalencia.h"

#include "vendor/QvFunciones.h"

QString codigoArticulo(const QString& texto) { return QvFunciones::FormatoCodigo(texto, kAnchoArticulo); }

QString codigoUnidad(const QString& texto) { return QvFunciones::FormatoCodigo(texto, kAnchoUnidad); }
