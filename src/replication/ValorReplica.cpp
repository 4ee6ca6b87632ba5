#include "replication/ValorReplica.h"

#include "database/TextoSQL.h"
#include "platform/VbText.h"
#include "session/TextoABooleano.h"

#include <QLocale>

#include <optional>

namespace {

constexpr char kNulo[] = "NULL";
constexpr char kFormatoFecha[] = "yyyy-MM-ddTHH:mm:ss";

std::optional<double> numero(const Variant& valor)
{
    if (valor.isNumber()) return valor.toDouble();
    if (valor.type() == Variant::Type::Boolean) return valor.toBool() ? 1.0 : 0.0;
    return vb::ParseNumber(valor.textOrEmpty());
}

// The shortest text that reads back as the same number, without exponent.
QString textoNumero(double valor) { return QString::number(valor, 'f', QLocale::FloatingPointShortest); }

bool booleano(const Variant& valor)
{
    if (valor.type() == Variant::Type::Boolean) return valor.toBool();
    if (valor.isNumber()) return valor.toDouble() != 0;
    QString texto = vb::Trim(valor.textOrEmpty());
    return !texto.isEmpty() && TextoABooleano(texto, true);
}

std::optional<QDateTime> fecha(const Variant& valor)
{
    if (valor.type() == Variant::Type::Date) return valor.toDateTime();
    return vb::ParseDate(valor.textOrEmpty());
}

}  // namespace

QString ValorReplica(const Variant& valor, const db::ColumnType& tipo)
{
    if (valor.isNull() || valor.isEmpty()) return kNulo;
    if (tipo.isNumber()) {
        if (valor.type() == Variant::Type::Integer) return QString::number(valor.toLong());
        if (const auto cifra = numero(valor)) return textoNumero(*cifra);
    } else if (tipo.isBoolean()) {
        return booleano(valor) ? "1" : "0";
    } else if (tipo.isDate()) {
        if (const auto momento = fecha(valor)) return EntreComillas(momento->toString(kFormatoFecha));
    }
    return EntreComillas(valor.toText());
}

bool MismoValor(const Variant& local, const Variant& destino, const db::ColumnType& tipo)
{
    if (local.isNull() || destino.isNull()) return local.isNull() == destino.isNull();
    if (tipo.isNumber()) {
        const auto a = numero(local);
        const auto b = numero(destino);
        if (a && b) return *a == *b;
    } else if (tipo.isBoolean()) {
        return booleano(local) == booleano(destino);
    } else if (tipo.isDate()) {
        const auto a = fecha(local);
        const auto b = fecha(destino);
        if (a && b) return *a == *b;
    }
    return vb::SameText(local.textOrEmpty(), destino.textOrEmpty());
}
