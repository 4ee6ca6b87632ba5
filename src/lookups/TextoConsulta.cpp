#include "lookups/TextoConsulta.h"

#include "platform/VbText.h"
#include "session/Configuracion.h"

#include <QRegularExpression>

#include <cmath>
#include <limits>

namespace {

constexpr qint32 kTopePorDefecto = 1000;
constexpr QChar kOculto = u' ';

// The statement with everything inside parentheses, quotes and brackets
// blanked out, position for position, so that a search in it finds only the
// statement's own words.
QString NivelSuperior(const QString& sql)
{
    QString visible = sql;
    int profundidad = 0;
    QChar cierre;
    for (qsizetype i = 0; i < sql.size(); ++i) {
        const QChar c = sql[i];
        if (!cierre.isNull()) {
            if (c == cierre) cierre = QChar();
            visible[i] = kOculto;
        } else if (c == u'\'' || c == u'"' || c == u'[') {
            cierre = c == u'[' ? QChar(u']') : c;
            visible[i] = kOculto;
        } else if (c == u'(' || c == u')' || profundidad > 0) {
            profundidad += c == u'(' ? 1 : c == u')' ? -1 : 0;
            visible[i] = kOculto;
        }
    }
    return visible;
}

// Position of the first of the statement's own words matching `palabras`, or -1.
qsizetype Posicion(const QString& sql, const QString& palabras)
{
    const QRegularExpression patron("\\b" + palabras + "\\b", QRegularExpression::CaseInsensitiveOption);
    return patron.match(NivelSuperior(sql)).capturedStart();
}

const QString kGroupBy = QStringLiteral("group\\s+by");
const QString kOrderBy = QStringLiteral("order\\s+by");
const QString kWhere = QStringLiteral("where");
const QString kFrom = QStringLiteral("from");

}  // namespace

QString UnirCondiciones(const QString& a, const QString& b)
{
    if (vb::IsBlank(a)) return vb::Trim(b);
    if (vb::IsBlank(b)) return vb::Trim(a);
    return "(" + vb::Trim(a) + ") and (" + vb::Trim(b) + ")";
}

SentenciaPartida PartirSentencia(const QString& sql)
{
    qsizetype corte = Posicion(sql, kGroupBy);
    if (corte < 0) corte = Posicion(sql, kOrderBy);
    if (corte < 0) return {sql, {}};
    return {sql.left(corte), sql.mid(corte)};
}

QString AgregarCondicion(const QString& cabeza, const QString& condicion, const QString& palabraWhere)
{
    const qsizetype where = Posicion(cabeza, kWhere);
    if (where < 0) return cabeza + palabraWhere + condicion;
    const qsizetype desde = where + kWhere.size();
    return cabeza.left(desde) + " " + UnirCondiciones(cabeza.mid(desde), condicion) + " ";
}

QString TablaDeSentencia(const QString& sql)
{
    const qsizetype from = Posicion(sql, kFrom);
    if (from < 0) return {};
    const QString resto = vb::LTrim(sql.mid(from + kFrom.size()));
    const qsizetype fin = resto.indexOf(u' ');
    return vb::Trim(fin < 0 ? resto : resto.left(fin));
}

bool TieneWhere(const QString& sql) { return Posicion(sql, kWhere) >= 0; }

qint32 TopeConsultas()
{
    const double tope = std::nearbyint(vb::Val(Cfg("TopConsArt", "DATOS")));
    if (tope < 1 || tope > std::numeric_limits<qint32>::max()) return kTopePorDefecto;
    return static_cast<qint32>(tope);
}
