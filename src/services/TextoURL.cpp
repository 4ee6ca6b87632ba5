#include "services/TextoURL.h"

#include "platform/VbText.h"

namespace {

constexpr QLatin1String kSeparadorEsquema("://");

// The text with every lone surrogate replaced, so that its UTF-8 is valid.
QString SinSurrogadosSueltos(const QString& texto)
{
    QString limpio = texto;
    for (qsizetype i = 0; i < limpio.size(); ++i) {
        const bool parCompleto = limpio[i].isHighSurrogate() && i + 1 < limpio.size() && limpio[i + 1].isLowSurrogate();
        if (parCompleto)
            ++i;
        else if (limpio[i].isSurrogate())
            limpio[i] = QChar::ReplacementCharacter;
    }
    return limpio;
}

}  // namespace

QString CodificarURL(const QString& texto)
{
    // Qt leaves exactly the unreserved characters as they are and writes
    // upper-case digits.
    return QString::fromLatin1(SinSurrogadosSueltos(texto).toUtf8().toPercentEncoding());
}

QString UrlDeModoApp(const QString& texto)
{
    const qsizetype opcion = texto.indexOf(QLatin1String(kOpcionModoApp), 0, Qt::CaseInsensitive);
    if (opcion < 0) return {};
    QString resto = vb::Trim(texto.mid(opcion + QLatin1String(kOpcionModoApp).size()));
    if (resto.startsWith(u'"') || resto.startsWith(u'\'')) {
        const QChar comilla = resto.front();
        resto = resto.mid(1).section(comilla, 0, 0);
    } else {
        resto = resto.section(u' ', 0, 0);
    }
    return vb::Trim(resto);
}

QString UrlBase(const QString& URL)
{
    const qsizetype esquema = URL.indexOf(kSeparadorEsquema);
    if (esquema < 0) return {};
    const qsizetype barra = URL.indexOf(u'/', esquema + kSeparadorEsquema.size());
    return barra < 0 ? URL : URL.left(barra);
}

QString ModuloDeUrl(const QString& URL)
{
    QString resto = URL.mid(UrlBase(URL).size());
    if (resto.startsWith(u'/')) resto.remove(0, 1);
    return vb::Trim(resto.section(u'?', 0, 0).section(u'#', 0, 0));
}
