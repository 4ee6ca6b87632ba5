#include "codesearch/TextosBusqueda.h"

#include "platform/VbText.h"

#include <algorithm>

namespace TextosBusqueda {

namespace {

bool soloDigitos(const QString& texto)
{
    return !texto.isEmpty() && std::ranges::all_of(texto, [](QChar c) { return c >= u'0' && c <= u'9'; });
}

}  // namespace

QString FmtLeerCodigo(const QString& codigo, int Largo)
{
    const QString limpio = vb::Trim(codigo);
    if (!soloDigitos(limpio)) return limpio;
    const auto ancho = Largo > 0 ? Largo : codigo.size();
    return limpio.rightJustified(ancho, u' ');
}

QString FieldVal(const Variant& recFieldVal) { return recFieldVal.textOrEmpty(); }

QString EntradaLista(const QString& descripcion, const QString& codigo)
{
    return descripcion + QString(kBlancosEntrada, u' ') + codigo;
}

}  // namespace TextosBusqueda
