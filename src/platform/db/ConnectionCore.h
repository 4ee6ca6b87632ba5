#pragma once

#include "platform/db/DbErrors.h"
#include "platform/db/Engine.h"
#include "platform/db/ErrorMap.h"
#include "platform/db/StatementCache.h"

#include <QHash>

#include <memory>

namespace db {

class StatementLog;

// What a connection shares with the record sets opened on it: the engine
// while open, the error list and the statement log.
class ConnectionCore {
public:
    std::unique_ptr<Engine> engine;
    Errors errors;
    StatementLog* log = nullptr;
    StatementCache statements;

    bool isOpen() const { return engine != nullptr; }
    // The open engine; error 3709 for `source` when the connection is closed.
    Engine& requireEngine(const QString& source);

    // Runs the statements of a T-SQL batch in order, as a server runs a batch:
    // a failing statement does not stop the others, and the failures become
    // the error list. Returns the results of the statements that ran.
    QVector<StatementResult> runBatch(const QString& batch, const QString& source);
    // Runs one T-SQL statement whose "?" markers take `values` in order.
    StatementResult runBound(const QString& statement, const QVector<Variant>& values, const QString& source);
    // Runs a statement the access layer built itself, in the engine's language.
    StatementResult runOwn(const QString& statement, const QVector<Variant>& parameters, ErrorMap::Context context,
                           const QString& source);

    // Columns of a table, remembered until the structure may have changed.
    const QVector<ColumnInfo>& tableColumns(const QString& table, const QString& source);
    void forgetStructure();

    // Replaces the error list with this failure and throws it.
    [[noreturn]] void raise(const EngineFailure& failure, ErrorMap::Context context, const QString& source);

private:
    QHash<QString, QVector<ColumnInfo>> tableColumns_;
};

}  // namespace db
