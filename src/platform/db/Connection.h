#pragma once

#include "platform/db/DbErrors.h"
#include "platform/db/Recordset.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

namespace db {

class ConnectionCore;
class StatementLog;

namespace ado {
constexpr int adSchemaColumns = 4;
constexpr int adSchemaTables = 20;
}  // namespace ado

// A database connection with ADO's shape. The connection text keeps the
// suite's own form; the server it names is looked up in the installed server
// directory (ServerDirectory.h) to find its engine. Statements are SQL Server text and are
// translated for the engine underneath. Failures raise ErrorVB with the
// numbers of ErrorMap and fill Errors.
class Connection {
public:
    Connection();
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
    Connection(Connection&&) noexcept = default;
    Connection& operator=(Connection&&) noexcept = default;

    void Open(const QString& connectionString, const QString& user = {}, const QString& password = {},
              long options = -1);
    void Close();
    int State() const;

    QString ConnectionString() const { return connectionString_; }
    QString DefaultDatabase() const;
    void setDefaultDatabase(const QString& database);
    int ConnectionTimeout() const { return connectionTimeout_; }
    void setConnectionTimeout(int seconds) { connectionTimeout_ = seconds; }
    int CommandTimeout() const { return commandTimeout_; }
    void setCommandTimeout(int seconds);
    int CursorLocation() const { return cursorLocation_; }
    void setCursorLocation(int location) { cursorLocation_ = location; }
    int IsolationLevel() const { return isolationLevel_; }
    void setIsolationLevel(int level) { isolationLevel_ = level; }

    // Runs a statement or a batch; returns the rows of the first statement
    // that gives rows (a closed record set when none does).
    Recordset Execute(const QString& text, long& recordsAffected, long options = -1);
    Recordset Execute(const QString& text);
    // Runs one statement whose "?" markers take `values` in order: for
    // statements a program sends many times with other values, translated
    // once and with the values bound rather than spelled into the text.
    Recordset Execute(const QString& statement, const QVector<Variant>& values, long& recordsAffected);
    // "(?, ?, ?)" for `count` values, to build such statements with.
    static QString markerList(qsizetype count);

    void BeginTrans();
    void CommitTrans();
    void RollbackTrans();

    // adSchemaTables: TABLE_CATALOG, TABLE_SCHEMA, TABLE_NAME, TABLE_TYPE.
    // adSchemaColumns: TABLE_CATALOG, TABLE_SCHEMA, TABLE_NAME, COLUMN_NAME, ORDINAL_POSITION,
    // DATA_TYPE, CHARACTER_MAXIMUM_LENGTH. Restrictions: catalogue, schema, table, column.
    Recordset OpenSchema(int schema, const QStringList& restrictions = {});

    Errors& errors();
    const Errors& errors() const;
    void setStatementLog(StatementLog* log);

    std::shared_ptr<ConnectionCore> core() const { return core_; }

private:
    void runOnEngine(const std::function<void()>& action);

    std::shared_ptr<ConnectionCore> core_;
    QString connectionString_;
    int connectionTimeout_ = 15;
    int commandTimeout_ = 30;
    int cursorLocation_ = 2;
    int isolationLevel_ = 4096;
};

}  // namespace db
