#pragma once

#include "platform/db/Engine.h"

#include <map>
#include <memory>
#include <optional>

namespace db {

// A database reached through unixODBC: SQL Server through FreeTDS,
// PostgreSQL through psqlODBC, or any driver the server registry names. The
// connection text holds "{base}" where the database name goes, so that the
// engine can move to another database of the same server.
class OdbcEngine : public Engine {
public:
    // Connects; a failure throws EngineFailure with every diagnostic's text.
    OdbcEngine(const QString& connectionTemplate, const QString& database, int loginTimeoutSeconds);
    ~OdbcEngine() override;

    OdbcEngine(const OdbcEngine&) = delete;
    OdbcEngine& operator=(const OdbcEngine&) = delete;

    const Dialect& dialect() const override;
    QString databaseName() const override { return database_; }
    void useDatabase(const QString& name) override;

    StatementResult run(const QString& statement, const QVector<Variant>& parameters = {}) override;
    // Also forgets which column each table numbers, learnt as its columns were read.
    void forgetPrepared() override;
    qint64 lastInsertId() override;

    void beginTransaction() override;
    void commitTransaction() override;
    void rollbackTransaction() override;

    QVector<TableInfo> tables() override;
    QVector<ColumnInfo> columns(const QString& table) override;

    void setCommandTimeout(int seconds) override { commandTimeout_ = seconds; }
    QString quoteIdentifier(const QString& name) const override;

    // The SQLSTATE classes and texts that mean the link to the server is gone.
    static bool meansLinkLost(const QString& sqlState, const QString& text);

private:
    class Connection;
    class Statement;
    enum class Server { SqlServer, PostgreSql, Other };

    void connect(const QString& database);
    StatementResult execute(const QString& statement, const QVector<Variant>& parameters);
    // The time-out a statement handle carries, if any.
    std::optional<int> statementTimeout() const;
    // PostgreSQL: the session's statement time-out made the connection's, when it differs.
    void keepSessionTimeout();
    QString identityInsertedBy(const QString& statement) const;
    // A table's columns: in one round trip on PostgreSQL, else by the driver's catalogue calls.
    QVector<ColumnInfo> postgresColumns(const QString& table);
    QVector<ColumnInfo> driverColumns(const QString& table);
    void endTransaction(bool commit);
    // The prepared statement of a text run with parameters, prepared on its first run.
    Statement& preparedFor(const QString& text);

    QString template_;
    QString database_;
    int loginTimeout_;
    int commandTimeout_ = 30;
    std::optional<int> sessionTimeout_;  // PostgreSQL: the session's statement time-out, when known
    Server server_ = Server::Other;
    std::unique_ptr<Connection> connection_;
    std::map<QString, std::unique_ptr<Statement>> prepared_;  // freed before their connection
    std::map<QString, QString> identities_;  // PostgreSQL: the column the server numbers, by table read
    std::optional<qint64> insertedId_;       // what the last statement's RETURNING gave
    std::unique_ptr<Dialect> dialect_;
};

}  // namespace db
