#pragma once

#include "platform/Variant.h"
#include "platform/db/ColumnType.h"

#include <QString>
#include <QStringList>
#include <QVector>

#include <array>

// The condition W that picks a request's rows: the condition given (whole
// when it has its own WHERE, else after " WHERE "), then one equality per key
// column whose value was given, joined by " AND ". Empty when nothing picks
// any row; such a request would reach every row of the table.
QString CondicionReplica(const QString& Condicion, const QStringList& campos, const std::array<QString, 6>& claves);

// " WHERE " and one equality per key column of one row, its values written
// as replication writes them; a NULL key is found with IS NULL.
QString CondicionDeFila(const QStringList& campos, const QVector<Variant>& valores,
                        const QVector<db::ColumnType>& tipos);
