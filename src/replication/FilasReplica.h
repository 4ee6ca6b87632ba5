#pragma once

#include "platform/Variant.h"
#include "platform/db/ColumnType.h"
#include "platform/db/Recordset.h"

#include <QStringList>
#include <QVector>

// The rows of one side of a copy, read whole: a stretch is at most a few
// thousand rows.
struct FilasReplica {
    QStringList columnas;
    QVector<db::ColumnType> tipos;
    QVector<QVector<Variant>> valores;

    static FilasReplica de(db::Recordset& filas);
    // The position of a column, by name without regard to case; -1 when absent.
    int indice(const QString& columna) const;
};
