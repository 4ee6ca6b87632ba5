#pragma once

#include "platform/Variant.h"
#include "platform/db/ColumnType.h"

#include <QString>
#include <QStringList>
#include <QVector>

#include <array>
#include <optional>

struct SolicitudReplica;

// A condition whose "?" markers take `valores` in order; one without markers
// when the values are written into it.
struct CondicionLigada {
    QString texto;
    QVector<Variant> valores;
};

// The condition W that picks a request's rows: the condition given (whole
// when it has its own WHERE, else after " WHERE "), then one equality per key
// column whose value was given, joined by " AND ". Empty when nothing picks
// any row; such a request would reach every row of the table.
QString CondicionReplica(const QString& Condicion, const QStringList& campos, const std::array<QString, 6>& claves);

// `base` and, after " WHERE " or " AND ", the rows of a set, by their key
// values (one row of values per row, in the order of `campos`): a key column
// whose value is the same in every row is compared with "=", and the one
// that differs takes them all with IN. Nothing when more than one column
// differs or the one that differs holds a NULL: such rows are found one by one.
std::optional<CondicionLigada> CondicionDeFilas(const QStringList& campos, const QVector<QVector<Variant>>& claves,
                                                CondicionLigada base = {});

// The same for a stretch of requests of one table and operation that share
// their condition, if any (a range that lets the server use an index, say),
// each naming its row by its keys; nothing when a key is not a plain literal.
std::optional<CondicionLigada> CondicionDelTramo(const QStringList& campos, const QVector<SolicitudReplica>& tramo);
