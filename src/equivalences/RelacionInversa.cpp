#include "equivalences/RelacionInversa.h"

#include "platform/VbText.h"
#include "vendor/QvFunciones.h"

#include <cmath>

namespace {

// Beyond this relative change the stored value no longer converts back to what was meant.
constexpr double kPerdidaTolerada = 1e-4;
constexpr int kCifrasSignificativas = 4;

// At least four decimals, and four significant figures for small values,
// with a decimal comma and no trailing zeros.
QString numeroEscrito(double valor)
{
    const int cifrasEnteras = valor >= 1 ? 0 : static_cast<int>(std::ceil(-std::log10(valor)));
    const int decimales = std::max(kCifrasSignificativas, cifrasEnteras + kCifrasSignificativas - 1);
    QString texto = QString::number(valor, 'f', decimales);
    while (texto.endsWith('0')) texto.chop(1);
    if (texto.endsWith('.')) texto.chop(1);
    return texto.replace('.', ',');
}

}  // namespace

QString lineaInversa(const QString& coeficienteTecleado, const QString& descripcionUnidad,
                     const QString& descripcionEquivalente)
{
    const std::optional<double> tecleado = vb::ParseNumber(coeficienteTecleado);
    if (!tecleado) return {};
    const double almacenado = QvFunciones::TextoAMoneda(coeficienteTecleado);
    if (almacenado <= 0) return {};
    QString linea = "; 1 " + descripcionEquivalente + " equivale a " + numeroEscrito(1 / almacenado) + " "
                    + descripcionUnidad;
    const double perdida = std::abs(*tecleado - almacenado) / almacenado;
    if (perdida > kPerdidaTolerada)
        linea += " (¡atención! con cuatro decimales la vuelta se aparta un "
                 + QString::number(perdida * 100, 'f', 2).replace('.', ',') + " %)";
    return linea;
}
