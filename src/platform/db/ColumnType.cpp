#include "platform/db/ColumnType.h"

#include <QHash>
#include <QRegularExpression>

namespace db {

bool ColumnType::isText() const
{
    switch (adoType) {
    case ado::adChar:
    case ado::adWChar:
    case ado::adVarChar:
    case ado::adLongVarChar:
    case ado::adVarWChar:
    case ado::adLongVarWChar: return true;
    default: return false;
    }
}

bool ColumnType::isWholeNumber() const
{
    switch (adoType) {
    case ado::adSmallInt:
    case ado::adInteger:
    case ado::adUnsignedTinyInt:
    case ado::adBigInt: return true;
    default: return false;
    }
}

bool ColumnType::isNumber() const
{
    switch (adoType) {
    case ado::adSingle:
    case ado::adDouble:
    case ado::adCurrency:
    case ado::adDecimal:
    case ado::adNumeric: return true;
    default: return isWholeNumber();
    }
}

namespace {

// Declared name -> (type, size when the declaration gives none).
const QHash<QString, ColumnType>& fixedTypes()
{
    static const QHash<QString, ColumnType> types{
        {"int", {ado::adInteger, 4}},
        {"integer", {ado::adInteger, 4}},
        {"smallint", {ado::adSmallInt, 2}},
        {"tinyint", {ado::adUnsignedTinyInt, 1}},
        {"bigint", {ado::adBigInt, 8}},
        {"bit", {ado::adBoolean, 2}},
        {"boolean", {ado::adBoolean, 2}},
        {"numeric", {ado::adNumeric, 19}},
        {"decimal", {ado::adNumeric, 19}},
        {"float", {ado::adDouble, 8}},
        {"double", {ado::adDouble, 8}},
        {"double precision", {ado::adDouble, 8}},
        {"real", {ado::adSingle, 4}},
        {"money", {ado::adCurrency, 8}},
        {"smallmoney", {ado::adCurrency, 8}},
        {"datetime", {ado::adDBTimeStamp, 16}},
        {"smalldatetime", {ado::adDBTimeStamp, 16}},
        {"date", {ado::adDBTimeStamp, 16}},
        {"timestamp", {ado::adDBTimeStamp, 16}},
        {"text", {ado::adLongVarChar, kLongTextSize}},
        {"ntext", {ado::adLongVarWChar, kLongTextSize}},
        {"citext", {ado::adLongVarChar, kLongTextSize}},
        {"blob", {ado::adVarBinary, kLongTextSize}},
    };
    return types;
}

const QHash<QString, int>& sizedTextTypes()
{
    static const QHash<QString, int> types{
        {"varchar", ado::adVarChar}, {"nvarchar", ado::adVarWChar},         {"char", ado::adChar},
        {"nchar", ado::adWChar},     {"character varying", ado::adVarChar}, {"character", ado::adChar},
    };
    return types;
}

ColumnType parseDeclared(const QString& declared)
{
    static const QRegularExpression shape(
        QStringLiteral("^\\s*([a-z ]+?)\\s*(?:\\(\\s*(\\w+)\\s*(?:,[^)]*)?\\))?\\s*$"),
        QRegularExpression::CaseInsensitiveOption);
    const auto match = shape.match(declared);
    if (!match.hasMatch()) return {ado::adVarChar, 255};
    const QString name = match.captured(1).toLower();
    const QString size = match.captured(2);

    if (const auto text = sizedTextTypes().find(name); text != sizedTextTypes().end()) {
        const bool unbounded = size.isEmpty() || size.compare("max", Qt::CaseInsensitive) == 0;
        if (unbounded) return {*text == ado::adVarWChar ? ado::adLongVarWChar : ado::adLongVarChar, kLongTextSize};
        return {*text, size.toLong()};
    }
    return fixedTypes().value(name, ColumnType{ado::adVarChar, 255});
}

}  // namespace

// A table declares few types, and they are read again at every statement that
// returns its columns: each is parsed once.
ColumnType columnTypeFromDeclared(const QString& declared)
{
    thread_local QHash<QString, ColumnType> parsed;
    if (const auto known = parsed.constFind(declared); known != parsed.cend()) return *known;
    return *parsed.insert(declared, parseDeclared(declared));
}

}  // namespace db
