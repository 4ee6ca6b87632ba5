#include "platform/db/Connection.h"

#include "platform/VbText.h"
#include "platform/db/ConnectionCore.h"
#include "platform/db/ConnectionString.h"
#include "platform/db/EngineFactory.h"
#include "platform/db/ErrorMap.h"
#include "platform/db/ServerDirectory.h"

namespace db {

namespace {

const QString kSource = QStringLiteral("ADODB.Connection");

bool matches(const QStringList& restrictions, int index, const QString& value)
{
    if (index >= restrictions.size() || vb::IsBlank(restrictions[index])) return true;
    return vb::SameText(vb::Trim(restrictions[index]), value);
}

ColumnInfo textColumn(const QString& name) { return {name, {ado::adVarChar, 128}}; }
ColumnInfo numberColumn(const QString& name) { return {name, {ado::adInteger, 4}}; }

}  // namespace

Connection::Connection() : core_(std::make_shared<ConnectionCore>()) {}

Connection::~Connection() = default;

int Connection::State() const { return core_->isOpen() ? ado::adStateOpen : ado::adStateClosed; }

void Connection::Open(const QString& connectionString, const QString&, const QString&, long)
{
    if (core_->isOpen()) throw ErrorMap::objectError(ErrorMap::AlreadyOpen, kSource);
    connectionString_ = connectionString;
    try {
        const db::ConnectionString text(connectionString);
        const int timeout = text.connectTimeout() > 0 ? text.connectTimeout() : connectionTimeout_;
        core_->engine = openEngine(text, currentServers(), timeout);
    } catch (const EngineFailure& failure) {
        core_->raise(failure, ErrorMap::Context::Open, kSource);
    }
    core_->forgetStructure();
    core_->statements.clear();
    core_->engine->setCommandTimeout(commandTimeout_);
}

void Connection::Close()
{
    if (!core_->isOpen()) throw ErrorMap::objectError(ErrorMap::ObjectClosed, kSource);
    core_->engine.reset();
    core_->forgetStructure();
}

QString Connection::DefaultDatabase() const { return core_->isOpen() ? core_->engine->databaseName() : QString(); }

void Connection::runOnEngine(const std::function<void()>& action)
{
    core_->requireEngine(kSource);
    try {
        action();
    } catch (const EngineFailure& failure) {
        core_->raise(failure, ErrorMap::Context::Statement, kSource);
    }
}

void Connection::setDefaultDatabase(const QString& database)
{
    runOnEngine([&] { core_->engine->useDatabase(database); });
    core_->forgetStructure();
}

void Connection::setCommandTimeout(int seconds)
{
    commandTimeout_ = seconds;
    if (core_->isOpen()) core_->engine->setCommandTimeout(seconds);
}

Recordset Connection::Execute(const QString& text, long& recordsAffected, long)
{
    recordsAffected = 0;
    const QVector<StatementResult> results = core_->runBatch(text, kSource);
    Recordset rows;
    for (const StatementResult& result : results) {
        recordsAffected += result.rowsAffected;
        if (result.hasRows && !rows.open_) rows.load(result, core_);
    }
    return rows;
}

Recordset Connection::Execute(const QString& text)
{
    long ignored = 0;
    return Execute(text, ignored);
}

Recordset Connection::Execute(const QString& statement, const QVector<Variant>& values, long& recordsAffected)
{
    const StatementResult result = core_->runBound(statement, values, kSource);
    recordsAffected = result.rowsAffected;
    Recordset rows;
    if (result.hasRows) rows.load(result, core_);
    return rows;
}

QString Connection::markerList(qsizetype count)
{
    QStringList markers;
    markers.fill(QStringLiteral("?"), count);
    return "(" + markers.join(", ") + ")";
}

void Connection::BeginTrans()
{
    runOnEngine([&] { core_->engine->beginTransaction(); });
}

void Connection::CommitTrans()
{
    runOnEngine([&] { core_->engine->commitTransaction(); });
}

void Connection::RollbackTrans()
{
    runOnEngine([&] { core_->engine->rollbackTransaction(); });
}

Recordset Connection::OpenSchema(int schema, const QStringList& restrictions)
{
    Engine& engine = core_->requireEngine(kSource);
    const QString catalog = engine.databaseName();
    QVector<QVector<Variant>> rows;
    const QVector<ColumnInfo> columnsOfColumns{textColumn("TABLE_CATALOG"),
                                               textColumn("TABLE_SCHEMA"),
                                               textColumn("TABLE_NAME"),
                                               textColumn("COLUMN_NAME"),
                                               numberColumn("ORDINAL_POSITION"),
                                               numberColumn("DATA_TYPE"),
                                               numberColumn("CHARACTER_MAXIMUM_LENGTH")};
    if (schema == ado::adSchemaTables) {
        QVector<TableInfo> tables;
        runOnEngine([&] { tables = engine.tables(); });
        for (const TableInfo& table : tables) {
            if (!matches(restrictions, 2, table.name)) continue;
            rows.append({catalog, "dbo", table.name, table.isView ? "VIEW" : "TABLE"});
        }
        return Recordset::fromRows({textColumn("TABLE_CATALOG"), textColumn("TABLE_SCHEMA"), textColumn("TABLE_NAME"),
                                    textColumn("TABLE_TYPE")},
                                   rows);
    }
    if (schema != ado::adSchemaColumns)
        throw ErrorVB(ErrorMap::NotSupported, "Esquema no disponible: " + QString::number(schema), kSource);
    if (!matches(restrictions, 0, catalog)) return Recordset::fromRows(columnsOfColumns, {});
    // One table named: its columns alone, without listing every table first.
    QStringList tables;
    if (restrictions.size() > 2 && !vb::IsBlank(restrictions[2])) {
        tables.append(vb::Trim(restrictions[2]));
    } else {
        runOnEngine([&] {
            for (const TableInfo& table : engine.tables()) tables.append(table.name);
        });
    }
    for (const QString& table : tables) {
        int position = 0;
        for (const ColumnInfo& column : core_->tableColumns(table, kSource)) {
            ++position;
            if (!matches(restrictions, 3, column.name)) continue;
            const Variant length = column.type.isText() ? Variant(qint64(column.type.definedSize)) : Variant::null();
            rows.append({catalog, "dbo", table, column.name, position, column.type.adoType, length});
        }
    }
    return Recordset::fromRows(columnsOfColumns, rows);
}

Errors& Connection::errors() { return core_->errors; }

const Errors& Connection::errors() const { return core_->errors; }

void Connection::setStatementLog(StatementLog* log) { core_->log = log; }

}  // namespace db
