#include "replication/CondicionReplica.h"

#include "platform/VbText.h"
#include "platform/db/Connection.h"
#include "replication/ModGruposEmp.h"
#include "replication/ValorReplica.h"

#include <QSet>

#include <algorithm>

namespace {

constexpr char kWhere[] = " WHERE ";
constexpr char kAnd[] = " AND ";

void agregar(QString& condicion, const QString& igualdad)
{
    condicion += (condicion.isEmpty() ? kWhere : kAnd) + igualdad;
}

// A key as a request spells it: a quoted text, its quotes doubled, or a number.
std::optional<Variant> valorDeLiteral(const QString& literal)
{
    const QString limpio = literal.trimmed();
    if (limpio.size() >= 2 && limpio.startsWith(u'\'') && limpio.endsWith(u'\'')) {
        const QString dentro = limpio.mid(1, limpio.size() - 2);
        if (dentro.count(u'\'') % 2 != 0) return std::nullopt;
        return Variant(QString(dentro).replace("''", "'"));
    }
    bool entero = false;
    const qint64 numero = limpio.toLongLong(&entero);
    if (entero) return Variant(numero);
    bool decimal = false;
    const double real = limpio.toDouble(&decimal);
    if (decimal) return Variant(real);
    return std::nullopt;
}

}  // namespace

QString CondicionReplica(const QString& Condicion, const QStringList& campos, const std::array<QString, 6>& claves)
{
    QString condicion;
    if (!vb::IsBlank(Condicion)) condicion = vb::ContainsText(Condicion, "WHERE") ? Condicion : kWhere + Condicion;
    for (qsizetype i = 0; i < campos.size() && i < qsizetype(claves.size()); ++i) {
        if (vb::IsBlank(campos[i]) || vb::IsBlank(claves[size_t(i)])) continue;
        agregar(condicion, campos[i] + " = " + claves[size_t(i)]);
    }
    return condicion;
}

std::optional<CondicionLigada> CondicionDeFilas(const QStringList& campos, const QVector<QVector<Variant>>& claves,
                                                CondicionLigada base)
{
    if (claves.isEmpty()) return std::nullopt;
    CondicionLigada condicion = std::move(base);
    std::optional<qsizetype> variable;
    for (qsizetype c = 0; c < campos.size(); ++c) {
        const Variant& primero = claves.first()[c];
        const bool igual = std::all_of(claves.begin(), claves.end(), [&](const QVector<Variant>& fila) {
            return fila[c].isNull() == primero.isNull() && fila[c].textOrEmpty() == primero.textOrEmpty();
        });
        if (!igual && variable) return std::nullopt;
        if (!igual) {
            variable = c;
            continue;
        }
        agregar(condicion.texto, primero.isNull() ? campos[c] + " IS NULL" : campos[c] + " = ?");
        if (!primero.isNull()) condicion.valores.append(primero);
    }
    if (!variable) return condicion;
    QSet<QString> vistos;
    QVector<Variant> distintos;
    for (const QVector<Variant>& fila : claves) {
        const Variant& valor = fila[*variable];
        if (valor.isNull()) return std::nullopt;
        if (!vistos.contains(valor.textOrEmpty())) {
            vistos.insert(valor.textOrEmpty());
            distintos.append(valor);
        }
    }
    agregar(condicion.texto, campos[*variable] + " IN " + db::Connection::markerList(distintos.size()));
    condicion.valores += distintos;
    return condicion;
}

std::optional<CondicionLigada> CondicionDelTramo(const QStringList& campos, const QVector<SolicitudReplica>& tramo)
{
    const qsizetype usados = std::min<qsizetype>(campos.size(), std::tuple_size_v<decltype(SolicitudReplica::Claves)>);
    QVector<QVector<Variant>> claves;
    for (const SolicitudReplica& solicitud : tramo) {
        if (solicitud.Condicion != tramo.first().Condicion) return std::nullopt;
        QVector<Variant> fila;
        for (qsizetype c = 0; c < usados; ++c) {
            const auto valor = valorDeLiteral(solicitud.Claves[size_t(c)]);
            if (!valor) return std::nullopt;
            fila.append(*valor);
        }
        claves.append(fila);
    }
    return CondicionDeFilas(campos.mid(0, usados), claves, {CondicionReplica(tramo.first().Condicion, {}, {}), {}});
}
