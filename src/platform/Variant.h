#pragma once

#include <QDateTime>
#include <QString>

#include <variant>

// A value as the suite's routines pass database values around: Empty (never
// assigned), Null (the database's missing value), a Boolean, a whole number,
// a real number, a text or a date.
class Variant {
public:
    enum class Type { Empty, Null, Boolean, Integer, Double, Text, Date };

    Variant() = default;
    Variant(bool value) : value_(value) {}
    Variant(int value) : value_(static_cast<qint64>(value)) {}
    Variant(qint64 value) : value_(value) {}
    Variant(double value) : value_(value) {}
    Variant(const QString& value) : value_(value) {}
    Variant(const char* value) : value_(QString::fromUtf8(value)) {}
    Variant(const QDateTime& value) : value_(value) {}

    static Variant null();

    Type type() const { return static_cast<Type>(value_.index()); }
    bool isEmpty() const { return type() == Type::Empty; }
    bool isNull() const { return type() == Type::Null; }
    bool isNumber() const { return type() == Type::Integer || type() == Type::Double; }

    // The value as text; Null cannot be converted (error 94), Empty is "".
    QString toText() const;
    // The value as text with Null read as "".
    QString textOrEmpty() const;
    // Numeric value; Null raises 94, a text that is not a number raises 13.
    double toDouble() const;
    qint64 toLong() const;  // rounded half to even, as the suite's runtime did
    bool toBool() const;
    QDateTime toDateTime() const;

    bool operator==(const Variant& other) const = default;

private:
    struct NullValue {
        bool operator==(const NullValue&) const = default;
    };
    // Order matches Type.
    std::variant<std::monostate, NullValue, bool, qint64, double, QString, QDateTime> value_;
};
