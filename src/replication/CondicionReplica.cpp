#include "replication/CondicionReplica.h"

#include "platform/VbText.h"
#include "replication/ValorReplica.h"

namespace {

constexpr char kWhere[] = " WHERE ";
constexpr char kAnd[] = " AND ";

void agregar(QString& condicion, const QString& igualdad)
{
    condicion += (condicion.isEmpty() ? kWhere : kAnd) + igualdad;
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

QString CondicionDeFila(const QStringList& campos, const QVector<Variant>& valores,
                        const QVector<db::ColumnType>& tipos)
{
    QString condicion;
    for (qsizetype i = 0; i < campos.size(); ++i) {
        const Variant& valor = valores[i];
        agregar(condicion, valor.isNull() ? campos[i] + " IS NULL" : campos[i] + " = " + ValorReplica(valor, tipos[i]));
    }
    return condicion;
}
