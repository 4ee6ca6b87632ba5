#include "platform/db/ConnectionCore.h"

#include "platform/VbText.h"
#include "platform/db/Dialect.h"
#include "platform/db/StatementLog.h"

#include <QRegularExpression>

namespace db {

namespace {

bool changesStructure(const QString& statement)
{
    static const QRegularExpression ddl(QStringLiteral("^\\s*(CREATE|ALTER|DROP)\\b"),
                                        QRegularExpression::CaseInsensitiveOption);
    return ddl.match(statement).hasMatch();
}

}  // namespace

Engine& ConnectionCore::requireEngine(const QString& source)
{
    if (!engine) throw ErrorMap::objectError(ErrorMap::ConnectionUnusable, source);
    return *engine;
}

QVector<StatementResult> ConnectionCore::runBatch(const QString& batch, const QString& source)
{
    Engine& open = requireEngine(source);
    QVector<BoundStatement> translated;
    try {
        translated = statements.translate(open.dialect(), batch, open.databaseName());
    } catch (const ErrorVB& untranslatable) {
        if (log) log->record(batch, {});
        raise({Situation::Untranslatable, untranslatable.descripcion, {}, 0}, ErrorMap::Context::Statement, source);
    }

    QVector<StatementResult> results;
    QVector<DbError> failures;
    for (const BoundStatement& statement : translated) {
        if (log) log->record(batch, statement.spelled);
        if (changesStructure(statement.text)) forgetStructure();
        try {
            results.append(open.run(statement.text, statement.parameters));
            results.last().statement = statement.text;
        } catch (const EngineFailure& failure) {
            failures.append(ErrorMap::toDbError(failure));
        }
    }
    if (!failures.isEmpty()) {
        errors.replace(failures);
        throw ErrorMap::toErrorVB(failures.first(), source);
    }
    return results;
}

StatementResult ConnectionCore::runBound(const QString& statement, const QVector<Variant>& values,
                                         const QString& source)
{
    Engine& open = requireEngine(source);
    QString translated;
    try {
        translated = statements.translateMarked(open.dialect(), statement, open.databaseName());
    } catch (const ErrorVB& untranslatable) {
        if (log) log->record(statement, {});
        raise({Situation::Untranslatable, untranslatable.descripcion, {}, 0}, ErrorMap::Context::Statement, source);
    }
    return runOwn(translated, values, ErrorMap::Context::Statement, source);
}

StatementResult ConnectionCore::runOwn(const QString& statement, const QVector<Variant>& parameters,
                                       ErrorMap::Context context, const QString& source)
{
    Engine& open = requireEngine(source);
    if (log) log->record(statement, statement);
    try {
        return open.run(statement, parameters);
    } catch (const EngineFailure& failure) {
        raise(failure, context, source);
    }
}

void ConnectionCore::forgetStructure()
{
    tableColumns_.clear();
    if (engine) engine->forgetPrepared();
}

const QVector<ColumnInfo>& ConnectionCore::tableColumns(const QString& table, const QString& source)
{
    const QString key = table.toLower();
    auto known = tableColumns_.find(key);
    if (known == tableColumns_.end()) {
        Engine& open = requireEngine(source);
        try {
            known = tableColumns_.insert(key, open.columns(table));
        } catch (const EngineFailure& failure) {
            raise(failure, ErrorMap::Context::Statement, source);
        }
    }
    return *known;
}

void ConnectionCore::raise(const EngineFailure& failure, ErrorMap::Context context, const QString& source)
{
    const DbError error = ErrorMap::toDbError(failure, context);
    errors.replace({error});
    throw ErrorMap::toErrorVB(error, source);
}

}  // namespace db
