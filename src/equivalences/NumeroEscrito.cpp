#include "equivalences/NumeroEscrito.h"

#include "platform/Variant.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr int kDecimalesMinimos = 4;
constexpr int kCifrasSignificativas = 4;
}  // namespace

QString numeroEscrito(double valor)
{
    const double absoluto = std::abs(valor);
    const int cerosTrasLaComa = absoluto > 0 && absoluto < 1 ? static_cast<int>(std::ceil(-std::log10(absoluto))) : 0;
    const int decimales = std::max(kDecimalesMinimos, cerosTrasLaComa + kCifrasSignificativas - 1);
    QString texto = QString::number(valor, 'f', decimales);
    while (texto.endsWith('0')) texto.chop(1);
    if (texto.endsWith('.')) texto.chop(1);
    return texto.replace('.', ',');
}

QString valorEscrito(const Variant& valor)
{
    return valor.type() == Variant::Type::Double ? numeroEscrito(valor.toDouble()) : valor.textOrEmpty();
}

QString cantidad(qsizetype n, const char* una, const char* varias)
{
    return QString::number(n) + u' ' + QString::fromUtf8(n == 1 ? una : varias);
}
