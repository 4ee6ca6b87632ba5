#pragma once

#include <QString>

// ADO field type codes and the defined sizes that go with them.
namespace db {

namespace ado {
constexpr int adSmallInt = 2;
constexpr int adInteger = 3;
constexpr int adSingle = 4;
constexpr int adDouble = 5;
constexpr int adCurrency = 6;
constexpr int adBoolean = 11;
constexpr int adDecimal = 14;
constexpr int adUnsignedTinyInt = 17;
constexpr int adBigInt = 20;
constexpr int adChar = 129;
constexpr int adWChar = 130;
constexpr int adNumeric = 131;
constexpr int adDBTimeStamp = 135;
constexpr int adVarChar = 200;
constexpr int adLongVarChar = 201;
constexpr int adVarWChar = 202;
constexpr int adLongVarWChar = 203;
constexpr int adVarBinary = 204;
}  // namespace ado

struct ColumnType {
    int adoType = ado::adVarChar;
    long definedSize = 0;

    bool isText() const;
    bool isWholeNumber() const;
    bool isNumber() const;  // whole, decimal, real or currency
    bool isBoolean() const { return adoType == ado::adBoolean; }
    bool isDate() const { return adoType == ado::adDBTimeStamp; }
};

inline constexpr long kLongTextSize = 2147483647;

// The type of a column declared as in SQL Server ("varchar(25)", "numeric(18,6)",
// "int", "bit", "datetime", "money", ...), names compared without case.
ColumnType columnTypeFromDeclared(const QString& declared);

}  // namespace db
