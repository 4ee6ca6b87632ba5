#include "equivalences/CodigosEquivalencia.h"

#include "database/TextoSQL.h"
#include "suitesupport/QvFunciones.h"

QString codigoArticulo(const QString& texto) { return QvFunciones::FormatoCodigo(texto, kAnchoArticulo); }

QString codigoUnidad(const QString& texto) { return QvFunciones::FormatoCodigo(texto, kAnchoUnidad); }

QString articulosDelPar(const QString& unidad, const QString& equivalente)
{
    return "IDUNIDAD = '" + ComillasDobladas(unidad) + "' or IDUNIDAD = '" + ComillasDobladas(equivalente) + "'";
}

QString condicionDelPar(const QString& unidad, const QString& equivalente)
{
    return "IDUNIDAD = '" + ComillasDobladas(unidad) + "' AND IDUNIDAD_EQUIV = '" + ComillasDobladas(equivalente) + "'";
}
