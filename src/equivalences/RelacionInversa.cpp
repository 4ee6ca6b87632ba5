#include "equivalences/RelacionInversa.h"

#include "equivalences/NumeroEscrito.h"
#include "platform/VbText.h"
#include "suitesupport/QvFunciones.h"

#include <cmath>

namespace {
// Beyond this relative change the stored value no longer converts back to what was meant.
constexpr double kPerdidaTolerada = 1e-4;
}  // namespace

QString lineaInversa(const QString& coeficienteTecleado, const QString& descripcionUnidad,
                     const QString& descripcionEquivalente)
{
    const std::optional<double> tecleado = vb::ParseNumber(coeficienteTecleado);
    if (!tecleado) return {};
    const double almacenado = QvFunciones::TextoAMoneda(coeficienteTecleado);
    if (almacenado <= 0) return {};
    QString linea =
        "; 1 " + descripcionEquivalente + " equivale a " + numeroEscrito(1 / almacenado) + " " + descripcionUnidad;
    const double perdida = std::abs(*tecleado - almacenado) / almacenado;
    if (perdida > kPerdidaTolerada)
        linea += " (¡atención! con cuatro decimales la vuelta se aparta un "
                 + QString::number(perdida * 100, 'f', 2).replace('.', ',') + " %)";
    return linea;
}
