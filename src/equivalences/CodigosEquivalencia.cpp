#include "equivalences/CodigosEquivalencia.h"

#include "database/TextoSQL.h"
#include "platform/VbText.h"
#include "platform/db/Connection.h"
#include "suitesupport/QvFunciones.h"

#include <algorithm>

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

// Most codes are ASCII, folded here without Unicode's tables.
QString claveDeCodigo(const QString& codigo)
{
    QString sinBlancos = vb::RTrim(codigo);
    if (std::ranges::any_of(sinBlancos, [](QChar c) { return c.unicode() >= 0x80; })) return sinBlancos.toCaseFolded();
    const auto mayuscula = [](QChar c) { return c >= u'A' && c <= u'Z'; };
    if (std::ranges::none_of(std::as_const(sinBlancos), mayuscula)) return sinBlancos;
    for (QChar& c : sinBlancos) {
        if (mayuscula(c)) c = QChar(c.unicode() + (u'a' - u'A'));
    }
    return sinBlancos;
}

QVector<Variant> comoValores(const QStringList& textos)
{
    QVector<Variant> valores;
    valores.reserve(textos.size());
    for (const QString& texto : textos) valores.append(texto);
    return valores;
}

FilasDelPar filasDelPar(const QString& unidad, const QString& equivalente, const QStringList& articulos)
{
    return {"IDUNIDAD = ? AND IDUNIDAD_EQUIV = ? AND IDARTICULO IN " + db::Connection::markerList(articulos.size()),
            QVector<Variant>{unidad, equivalente} + comoValores(articulos)};
}
