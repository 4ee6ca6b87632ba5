#pragma once

#include "platform/Variant.h"
#include "platform/db/ColumnType.h"

#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

namespace db {

class Dialect;

// A column of a table or of a result.
struct ColumnInfo {
    QString name;
    ColumnType type;
    bool primaryKey = false;
    bool autoIncrement = false;
};

struct TableInfo {
    QString name;
    bool isView = false;
};

// What one statement gave back: rows (when it is a query) and the rows it changed.
struct StatementResult {
    QString statement;  // the text the engine ran
    bool hasRows = false;
    QVector<ColumnInfo> columns;
    QVector<QVector<Variant>> rows;
    long rowsAffected = 0;
};

// One open database of one engine. Every failure throws db::EngineFailure.
class Engine {
public:
    virtual ~Engine() = default;

    virtual const Dialect& dialect() const = 0;
    virtual QString databaseName() const = 0;
    // Makes another database of the same server the current one.
    virtual void useDatabase(const QString& name) = 0;

    // Runs one statement already in this engine's own language; `parameters`
    // fill its "?" markers in order.
    virtual StatementResult run(const QString& statement, const QVector<Variant>& parameters = {}) = 0;
    // Drops prepared statements kept for reuse, once the structure they read may have changed.
    virtual void forgetPrepared() {}
    // The identity value the last insert generated.
    virtual qint64 lastInsertId() = 0;

    virtual void beginTransaction() = 0;
    virtual void commitTransaction() = 0;
    virtual void rollbackTransaction() = 0;

    virtual QVector<TableInfo> tables() = 0;
    // Columns of a table or view in their order; empty when there is no such table.
    virtual QVector<ColumnInfo> columns(const QString& table) = 0;

    virtual void setCommandTimeout(int seconds) = 0;

    // A table or column name quoted for statements this layer builds itself.
    virtual QString quoteIdentifier(const QString& name) const = 0;
};

}  // namespace db
