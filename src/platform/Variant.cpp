#include "platform/Variant.h"

#include "platform/ErrorVB.h"
#include "platform/VbText.h"

#include <cmath>

Variant Variant::null()
{
    Variant v;
    v.value_ = NullValue{};
    return v;
}

QString Variant::toText() const
{
    switch (type()) {
    case Type::Empty: return {};
    case Type::Null: throw ErroresVB::usoNoValidoDeNull();
    case Type::Boolean: return std::get<bool>(value_) ? "Verdadero" : "Falso";
    case Type::Integer: return QString::number(std::get<qint64>(value_));
    case Type::Double: return vb::NumberText(std::get<double>(value_));
    case Type::Text: return std::get<QString>(value_);
    case Type::Date: return vb::DateText(std::get<QDateTime>(value_));
    }
    return {};
}

QString Variant::textOrEmpty() const { return isNull() ? QString() : toText(); }

double Variant::toDouble() const
{
    switch (type()) {
    case Type::Empty: return 0.0;
    case Type::Null: throw ErroresVB::usoNoValidoDeNull();
    case Type::Boolean: return std::get<bool>(value_) ? -1.0 : 0.0;
    case Type::Integer: return static_cast<double>(std::get<qint64>(value_));
    case Type::Double: return std::get<double>(value_);
    case Type::Text: {
        const auto number = vb::ParseNumber(std::get<QString>(value_));
        if (!number) throw ErroresVB::tiposNoCoinciden(std::get<QString>(value_));
        return *number;
    }
    case Type::Date: throw ErroresVB::tiposNoCoinciden();
    }
    return 0.0;
}

qint64 Variant::toLong() const
{
    if (type() == Type::Integer) return std::get<qint64>(value_);
    return static_cast<qint64>(std::nearbyint(toDouble()));
}

bool Variant::toBool() const
{
    if (type() == Type::Boolean) return std::get<bool>(value_);
    if (type() == Type::Text) {
        const QString text = vb::Trim(std::get<QString>(value_));
        if (vb::SameText(text, "True") || vb::SameText(text, "Verdadero")) return true;
        if (vb::SameText(text, "False") || vb::SameText(text, "Falso")) return false;
    }
    return toDouble() != 0.0;
}

QDateTime Variant::toDateTime() const
{
    switch (type()) {
    case Type::Null: throw ErroresVB::usoNoValidoDeNull();
    case Type::Date: return std::get<QDateTime>(value_);
    case Type::Text: {
        const auto date = vb::ParseDate(std::get<QString>(value_));
        if (!date) throw ErroresVB::tiposNoCoinciden(std::get<QString>(value_));
        return *date;
    }
    default: throw ErroresVB::tiposNoCoinciden();
    }
}
