#include "platform/db/engines/OdbcEngine.h"

#include "platform/VbText.h"
#include "platform/db/ConnectionString.h"
#include "platform/db/DbErrors.h"
#include "platform/db/Dialect.h"
#include "platform/db/ErrorMap.h"

#include <QHash>
#include <QRegularExpression>

#include <array>

#include <sql.h>
#include <sqlext.h>

namespace db {

namespace {

constexpr char kDatabasePlaceholder[] = "{base}";
constexpr SQLSMALLINT kNameLength = 256;
constexpr size_t kMaxPrepared = 64;
// Dates travel day first, as on the suite's Spanish-language servers.
constexpr char kDateOrder[] = "ISO, DMY";
// A PostgreSQL table's columns (%1 its quoted name) with whether each is of
// its primary key and whether the server numbers it (an identity, or a
// sequence by default as serial makes it). The name goes as text: psqlODBC
// asks the server the length of its own name type.
constexpr char kKeyAndNumberedColumns[] =
    "SELECT a.attname::text, COALESCE(i.indisprimary, false)::int, "
    "(a.attidentity <> '' OR COALESCE(pg_get_expr(d.adbin, d.adrelid) LIKE 'nextval(%', false))::int "
    "FROM pg_catalog.pg_attribute a "
    "LEFT JOIN pg_catalog.pg_attrdef d ON d.adrelid = a.attrelid AND d.adnum = a.attnum "
    "LEFT JOIN pg_catalog.pg_index i ON i.indrelid = a.attrelid AND i.indisprimary AND a.attnum = ANY (i.indkey) "
    "WHERE a.attrelid = to_regclass('%1') AND a.attnum > 0 AND NOT a.attisdropped";

static_assert(sizeof(SQLWCHAR) == sizeof(char16_t), "unixODBC's wide characters are UTF-16");

const SQLWCHAR* wide(const QString& text) { return reinterpret_cast<const SQLWCHAR*>(text.utf16()); }

QString fromWide(const SQLWCHAR* text, qsizetype length = -1)
{
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(text), length);
}

bool succeeded(SQLRETURN code) { return code == SQL_SUCCESS || code == SQL_SUCCESS_WITH_INFO; }

// The diagnostics of a failed call, classified.
EngineFailure failureOf(SQLSMALLINT handleType, SQLHANDLE handle)
{
    EngineFailure failure;
    QStringList texts;
    SQLWCHAR state[6] = {};
    SQLINTEGER native = 0;
    SQLWCHAR message[1024] = {};
    SQLSMALLINT length = 0;
    for (SQLSMALLINT record = 1;
         succeeded(SQLGetDiagRecW(handleType, handle, record, state, &native, message, 1024, &length)); ++record) {
        if (record == 1) {
            failure.sqlState = fromWide(state, 5);
            failure.nativeError = native;
        }
        texts.append(fromWide(message).trimmed());
    }
    failure.description = texts.join(' ');
    failure.situation = Situation::StatementError;
    return failure;
}

Situation situationOf(const EngineFailure& failure)
{
    static const QHash<QString, Situation> byState{
        {"23505", Situation::DuplicateKey},
        {"23502", Situation::NullNotAllowed},
        {"23503", Situation::ConstraintConflict},
        {"23514", Situation::ConstraintConflict},
        {"22001", Situation::TextTooLong},
        {"22P02", Situation::WrongType},
        {"22018", Situation::WrongType},
        {"22003", Situation::WrongType},
        {"08001", Situation::ServerNotFound},
        {"28000", Situation::LoginFailed},
        {"28P01", Situation::LoginFailed},
        {"3D000", Situation::DatabaseNotFound},
        {"42P01", Situation::MissingTable},
        {"42S02", Situation::MissingTable},
        {"42703", Situation::MissingColumn},
        {"42S22", Situation::MissingColumn},
        {"42601", Situation::SyntaxError},
        {"HYT00", Situation::Timeout},
        {"HYT01", Situation::Timeout},
        {"55P03", Situation::Locked},
        {"53100", Situation::DiskFull},
    };
    // SQL Server reports most integrity and statement errors under generic states.
    static const QHash<long, Situation> byNative{
        {ErrorMap::DuplicateKeyNative, Situation::DuplicateKey},
        {ErrorMap::DuplicateIndexNative, Situation::DuplicateKey},
        {ErrorMap::NullNotAllowedNative, Situation::NullNotAllowed},
        {ErrorMap::ConstraintConflictNative, Situation::ConstraintConflict},
        {ErrorMap::TextTooLongNative, Situation::TextTooLong},
        {ErrorMap::DatabaseNotFoundNative, Situation::DatabaseNotFound},
        {ErrorMap::LoginFailedNative, Situation::LoginFailed},
        {ErrorMap::MissingTableNative, Situation::MissingTable},
        {ErrorMap::MissingColumnNative, Situation::MissingColumn},
        {ErrorMap::SyntaxErrorNative, Situation::SyntaxError},
        {ErrorMap::WrongTypeNative, Situation::WrongType},
        {ErrorMap::LockTimeoutNative, Situation::Locked},
        {ErrorMap::DiskFullNative, Situation::DiskFull},
        {ErrorMap::LogFullNative, Situation::DiskFull},
    };
    if (OdbcEngine::meansLinkLost(failure.sqlState, failure.description)) return Situation::LinkLost;
    if (byState.contains(failure.sqlState)) return byState.value(failure.sqlState);
    return byNative.value(failure.nativeError, Situation::StatementError);
}

// Drivers report every refused connection under 08001; their text tells why.
Situation situationOfOpening(const EngineFailure& failure)
{
    const QString& text = failure.description;
    if (text.contains("database \"") && text.contains("does not exist")) return Situation::DatabaseNotFound;
    if (text.contains("password authentication failed") || text.contains("no password supplied")) {
        return Situation::LoginFailed;
    }
    const Situation situation = situationOf(failure);
    // A server that cannot be reached at all is not a lost link of an open connection.
    if (situation == Situation::LinkLost || situation == Situation::Timeout) return Situation::ServerNotFound;
    return situation;
}

[[noreturn]] void fail(SQLSMALLINT handleType, SQLHANDLE handle)
{
    EngineFailure failure = failureOf(handleType, handle);
    failure.situation = situationOf(failure);
    throw failure;
}

void check(SQLRETURN code, SQLSMALLINT handleType, SQLHANDLE handle)
{
    if (!succeeded(code) && code != SQL_NO_DATA) fail(handleType, handle);
}

// A psqlODBC option by its keyword and its short form; the driver takes either.
struct DriverOption {
    const char* keyword;
    const char* shortForm;
    QString value;
};

bool gives(const ConnectionString& text, const DriverOption& option)
{
    return !text.value(option.keyword).isEmpty() || !text.value(option.shortForm).isEmpty();
}

// A connection text for psqlODBC, and whether its session starts with the
// date order and the statement time-out set.
struct PsqlOdbcText {
    QString text;
    bool sessionSet = false;
};

// psqlODBC's options that make each statement one round trip, added where
// the registry's text does not choose otherwise:
// - UseServerSidePrepare=0: the driver writes the bound values into the
//   statement and sends it as one message, with the BEGIN or the savepoint it
//   needs in front. A statement the server prepares costs three round trips
//   on its first run on a connection, one more for its savepoint on every run
//   inside a transaction, and another to release it when the connection closes.
// - Protocol=7.4-2: a failed statement inside a transaction takes back only
//   itself, as on SQL Server, so the transaction goes on.
// - pqopt: the date order and the time-out given as the session starts, not
//   set by statements after it.
PsqlOdbcText forPsqlOdbc(const QString& text, int timeoutSeconds)
{
    const ConnectionString keys(text);
    const QString driver = keys.value("driver");
    if (!vb::ContainsText(driver, "postgres") && !vb::ContainsText(driver, "psqlodbc")) return {text};
    const QString settings = QString("{options='-c DateStyle=%1 -c statement_timeout=%2'}")
                                 .arg(QString(kDateOrder).remove(' '))
                                 .arg(timeoutSeconds * 1000);
    const DriverOption session{"pqopt", "D5", settings};
    const std::array<DriverOption, 3> options{
        {{"UseServerSidePrepare", "C8", "0"}, {"Protocol", "A1", "7.4-2"}, session}};
    PsqlOdbcText tuned{text, !gives(keys, session)};
    if (!tuned.text.trimmed().endsWith(';')) tuned.text += ';';
    for (const DriverOption& option : options) {
        if (!gives(keys, option)) tuned.text += QString(option.keyword) + '=' + option.value + ';';
    }
    return tuned;
}

// An ODBC handle freed with its owner.
class Handle {
public:
    Handle(SQLSMALLINT type, SQLHANDLE parent) : type_(type)
    {
        if (!succeeded(SQLAllocHandle(type, parent, &handle_))) {
            throw EngineFailure{Situation::ServerNotFound, "No se pudo reservar un recurso de ODBC.", {}, 0};
        }
    }
    ~Handle() { SQLFreeHandle(type_, handle_); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;

    SQLHANDLE get() const { return handle_; }
    SQLSMALLINT type() const { return type_; }

private:
    SQLSMALLINT type_;
    SQLHANDLE handle_ = SQL_NULL_HANDLE;
};

ColumnType typeOfSql(SQLSMALLINT sqlType, SQLULEN size)
{
    const auto sized = [&](int adoType) {
        return ColumnType{adoType, size > 0 && size < 8000 ? static_cast<long>(size) : kLongTextSize};
    };
    switch (sqlType) {
    case SQL_CHAR: return sized(ado::adChar);
    case SQL_WCHAR: return sized(ado::adWChar);
    case SQL_VARCHAR: return sized(ado::adVarChar);
    case SQL_WVARCHAR: return sized(ado::adVarWChar);
    case SQL_LONGVARCHAR: return {ado::adLongVarChar, kLongTextSize};
    case SQL_WLONGVARCHAR: return {ado::adLongVarWChar, kLongTextSize};
    case SQL_SMALLINT: return {ado::adSmallInt, 2};
    case SQL_INTEGER: return {ado::adInteger, 4};
    case SQL_TINYINT: return {ado::adUnsignedTinyInt, 1};
    case SQL_BIGINT: return {ado::adBigInt, 8};
    case SQL_BIT: return {ado::adBoolean, 2};
    case SQL_NUMERIC:
    case SQL_DECIMAL: return {ado::adNumeric, 19};
    case SQL_REAL: return {ado::adSingle, 4};
    case SQL_FLOAT:
    case SQL_DOUBLE: return {ado::adDouble, 8};
    case SQL_TYPE_DATE:
    case SQL_TYPE_TIMESTAMP:
    case SQL_DATETIME: return {ado::adDBTimeStamp, 16};
    default: return {ado::adVarChar, 255};
    }
}

Variant valueOfText(const QString& text, const ColumnType& type)
{
    if (type.isBoolean()) return text == "1" || vb::SameText(text, "true") || vb::SameText(text, "t");
    if (type.isWholeNumber()) return Variant(text.toLongLong());
    if (type.isNumber()) return text.toDouble();
    if (type.isDate()) {
        const auto date = vb::ParseDate(text.left(19));
        return date ? Variant(*date) : Variant(text);
    }
    return text;
}

// The name and type of one column of a result from the column's attributes:
// psqlODBC answers SQLDescribeCol, and a column's concise type or type name,
// with a catalogue query the first time a connection meets a table, and
// these without one. The verbose type tells every date and time apart from
// other types, not from each other: a time of day then reads as a date,
// which no table of the suite's has.
ColumnInfo attributesOf(SQLHSTMT stmt, SQLUSMALLINT column)
{
    SQLWCHAR name[kNameLength] = {};
    SQLLEN sqlType = 0;
    SQLLEN length = 0;
    check(SQLColAttributeW(stmt, column, SQL_DESC_NAME, name, sizeof name, nullptr, nullptr), SQL_HANDLE_STMT, stmt);
    check(SQLColAttributeW(stmt, column, SQL_DESC_TYPE, nullptr, 0, nullptr, &sqlType), SQL_HANDLE_STMT, stmt);
    check(SQLColAttributeW(stmt, column, SQL_DESC_LENGTH, nullptr, 0, nullptr, &length), SQL_HANDLE_STMT, stmt);
    return {fromWide(name),
            typeOfSql(static_cast<SQLSMALLINT>(sqlType), static_cast<SQLULEN>(std::max<SQLLEN>(0, length)))};
}

// The name and type of one column of a statement's result; other drivers
// describe a column without asking the server.
ColumnInfo describeColumn(SQLHSTMT stmt, SQLUSMALLINT column, bool fromAttributes)
{
    if (fromAttributes) return attributesOf(stmt, column);
    SQLWCHAR name[kNameLength] = {};
    SQLSMALLINT nameLength = 0;
    SQLSMALLINT sqlType = 0;
    SQLULEN size = 0;
    SQLSMALLINT digits = 0;
    SQLSMALLINT nullable = 0;
    check(SQLDescribeColW(stmt, column, name, kNameLength, &nameLength, &sqlType, &size, &digits, &nullable),
          SQL_HANDLE_STMT, stmt);
    return {fromWide(name, nameLength), typeOfSql(sqlType, size)};
}

}  // namespace

// One driver connection with its environment.
class OdbcEngine::Connection {
public:
    Connection() : environment_(SQL_HANDLE_ENV, SQL_NULL_HANDLE)
    {
        SQLSetEnvAttr(environment_.get(), SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
        connection_ = std::make_unique<Handle>(SQL_HANDLE_DBC, environment_.get());
    }

    ~Connection()
    {
        if (connected_) SQLDisconnect(connection_->get());
    }

    void open(const QString& text, int loginTimeout)
    {
        SQLHANDLE dbc = connection_->get();
        SQLSetConnectAttrW(dbc, SQL_ATTR_LOGIN_TIMEOUT, reinterpret_cast<SQLPOINTER>(static_cast<SQLLEN>(loginTimeout)),
                           0);
        SQLSetConnectAttrW(dbc, SQL_ATTR_CONNECTION_TIMEOUT,
                           reinterpret_cast<SQLPOINTER>(static_cast<SQLLEN>(loginTimeout)), 0);
        SQLSMALLINT length = 0;
        SQLWCHAR out[1024] = {};
        const SQLRETURN code = SQLDriverConnectW(dbc, nullptr, const_cast<SQLWCHAR*>(wide(text)), SQL_NTS, out, 1024,
                                                 &length, SQL_DRIVER_NOPROMPT);
        if (!succeeded(code)) {
            EngineFailure failure = failureOf(SQL_HANDLE_DBC, dbc);
            failure.situation = situationOfOpening(failure);
            throw failure;
        }
        connected_ = true;
    }

    QString serverName() const
    {
        SQLWCHAR name[kNameLength] = {};
        SQLSMALLINT length = 0;
        SQLGetInfoW(connection_->get(), SQL_DBMS_NAME, name, sizeof name, &length);
        return fromWide(name);
    }

    SQLHANDLE get() const { return connection_->get(); }

private:
    Handle environment_;
    std::unique_ptr<Handle> connection_;
    bool connected_ = false;
};

bool OdbcEngine::meansLinkLost(const QString& sqlState, const QString& text)
{
    static const QStringList states{"08S01", "08003", "08007", "08006", "57P01", "57P02", "57P03"};
    if (states.contains(sqlState)) return true;
    static const QStringList texts{"server closed the connection",
                                   "the connection has been lost",
                                   "no connection to the server",
                                   "could not send data",
                                   "could not receive data",
                                   "connection reset",
                                   "broken pipe",
                                   "terminating connection"};
    return std::any_of(texts.begin(), texts.end(),
                       [&](const QString& t) { return text.contains(t, Qt::CaseInsensitive); });
}

OdbcEngine::OdbcEngine(const QString& connectionTemplate, const QString& database, int loginTimeoutSeconds)
    : template_(connectionTemplate), loginTimeout_(loginTimeoutSeconds)
{
    connect(database);
}

OdbcEngine::~OdbcEngine() = default;

void OdbcEngine::connect(const QString& database)
{
    auto connection = std::make_unique<Connection>();
    const PsqlOdbcText text = forPsqlOdbc(
        QString(template_).replace(kDatabasePlaceholder, vb::Trim(database), Qt::CaseInsensitive), commandTimeout_);
    connection->open(text.text, loginTimeout_);
    const QString name = connection->serverName();
    server_ = name.contains("PostgreSQL", Qt::CaseInsensitive)   ? Server::PostgreSql
              : name.contains("SQL Server", Qt::CaseInsensitive) ? Server::SqlServer
                                                                 : Server::Other;
    dialect_ = server_ == Server::PostgreSql ? makePostgresDialect() : makeSqlServerDialect();
    prepared_.clear();
    identities_.clear();
    insertedId_.reset();
    connection_ = std::move(connection);
    database_ = vb::Trim(database);
    sessionTimeout_ = text.sessionSet ? std::optional(commandTimeout_) : std::nullopt;
    if (server_ == Server::PostgreSql && !text.sessionSet) run(QString("SET DateStyle = '%1'").arg(kDateOrder));
}

const Dialect& OdbcEngine::dialect() const { return *dialect_; }

void OdbcEngine::useDatabase(const QString& name)
{
    const QString wanted = vb::Trim(name);
    if (vb::SameText(wanted, database_)) return;
    if (server_ == Server::SqlServer) {
        run("USE [" + wanted + "]");
        database_ = wanted;
        return;
    }
    if (server_ == Server::PostgreSql) {
        // Database names compare without case on SQL Server; PostgreSQL keeps theirs.
        const StatementResult found = run("SELECT datname FROM pg_database WHERE lower(datname) = lower(?)", {wanted});
        if (!found.rows.isEmpty()) {
            connect(found.rows.first().first().toText());
            return;
        }
    }
    connect(wanted);
}

QString OdbcEngine::quoteIdentifier(const QString& name) const
{
    switch (server_) {
    case Server::SqlServer: return '[' + QString(name).replace(']', "]]") + ']';
    case Server::PostgreSql: return '"' + name.toLower().replace('"', "\"\"") + '"';
    case Server::Other: return name;
    }
    return name;
}

// A statement handle prepared once and run again with other values.
class OdbcEngine::Statement {
public:
    Statement(SQLHANDLE connection, const QString& text) : handle_(SQL_HANDLE_STMT, connection)
    {
        check(SQLPrepareW(handle_.get(), const_cast<SQLWCHAR*>(wide(text)), SQL_NTS), SQL_HANDLE_STMT, handle_.get());
    }
    SQLHANDLE get() const { return handle_.get(); }

private:
    Handle handle_;
};

namespace {

// The values of a statement's "?" markers, alive until it has run. Whole
// numbers travel as numbers, typed as the server types such a literal; the
// rest as text the server converts as it converts a quoted literal.
class BoundValues {
public:
    BoundValues(SQLHANDLE stmt, const QVector<Variant>& values)
        : texts_(values.size()), wholes_(values.size()), lengths_(values.size())
    {
        for (int i = 0; i < values.size(); ++i) bind(stmt, i, values[i]);
    }

private:
    void bind(SQLHANDLE stmt, int i, const Variant& value)
    {
        const auto position = static_cast<SQLUSMALLINT>(i + 1);
        if (value.type() == Variant::Type::Integer) {
            wholes_[i] = value.toLong();
            const bool small = wholes_[i] == static_cast<qint32>(wholes_[i]);
            check(SQLBindParameter(stmt, position, SQL_PARAM_INPUT, SQL_C_SBIGINT, small ? SQL_INTEGER : SQL_BIGINT, 0,
                                   0, &wholes_[i], 0, nullptr),
                  SQL_HANDLE_STMT, stmt);
            return;
        }
        const bool missing = value.isNull() || value.isEmpty();
        if (!missing) {
            texts_[i] = value.type() == Variant::Type::Date      ? value.toDateTime().toString("yyyy-MM-dd HH:mm:ss")
                        : value.type() == Variant::Type::Boolean ? QString(value.toBool() ? "1" : "0")
                                                                 : value.toText();
        }
        const auto bytes = static_cast<SQLLEN>(texts_[i].size() * sizeof(SQLWCHAR));
        lengths_[i] = missing ? SQL_NULL_DATA : bytes;
        check(SQLBindParameter(stmt, position, SQL_PARAM_INPUT, SQL_C_WCHAR, SQL_WVARCHAR,
                               static_cast<SQLULEN>(std::max<qsizetype>(1, texts_[i].size())), 0,
                               const_cast<SQLWCHAR*>(wide(texts_[i])), bytes, &lengths_[i]),
              SQL_HANDLE_STMT, stmt);
    }

    QVector<QString> texts_;
    QVector<qint64> wholes_;
    QVector<SQLLEN> lengths_;
};

// What a statement that has run gave back.
StatementResult collect(SQLHANDLE stmt, bool describeFromAttributes)
{
    StatementResult result;
    SQLLEN changed = 0;
    if (succeeded(SQLRowCount(stmt, &changed)) && changed > 0) result.rowsAffected = static_cast<long>(changed);
    SQLSMALLINT columnCount = 0;
    check(SQLNumResultCols(stmt, &columnCount), SQL_HANDLE_STMT, stmt);
    result.hasRows = columnCount > 0;
    for (SQLUSMALLINT c = 1; c <= columnCount; ++c) {
        result.columns.append(describeColumn(stmt, c, describeFromAttributes));
    }
    for (SQLRETURN fetched = SQLFetch(stmt); columnCount > 0 && fetched != SQL_NO_DATA; fetched = SQLFetch(stmt)) {
        check(fetched, SQL_HANDLE_STMT, stmt);
        QVector<Variant> row;
        row.reserve(columnCount);
        for (SQLUSMALLINT c = 1; c <= columnCount; ++c) {
            QString text;
            SQLWCHAR buffer[2048];
            SQLLEN indicator = 0;
            bool isNull = false;
            for (;;) {
                const SQLRETURN got = SQLGetData(stmt, c, SQL_C_WCHAR, buffer, sizeof buffer, &indicator);
                if (got == SQL_NO_DATA) break;
                check(got, SQL_HANDLE_STMT, stmt);
                if (indicator == SQL_NULL_DATA) {
                    isNull = true;
                    break;
                }
                const qsizetype available = sizeof buffer / sizeof(SQLWCHAR) - 1;
                const qsizetype chars =
                    indicator == SQL_NO_TOTAL || indicator / static_cast<SQLLEN>(sizeof(SQLWCHAR)) > available
                        ? available
                        : indicator / static_cast<SQLLEN>(sizeof(SQLWCHAR));
                text += fromWide(buffer, chars);
                if (got == SQL_SUCCESS) break;
            }
            row.append(isNull ? Variant::null() : valueOfText(text, result.columns[c - 1].type));
        }
        result.rows.append(std::move(row));
    }
    return result;
}

void limitTime(SQLHANDLE stmt, std::optional<int> seconds)
{
    if (!seconds) return;
    SQLSetStmtAttrW(stmt, SQL_ATTR_QUERY_TIMEOUT, reinterpret_cast<SQLPOINTER>(static_cast<SQLULEN>(*seconds)), 0);
}

// A reused statement is left closed and without values, whatever happened.
struct ReadyForReuse {
    SQLHANDLE stmt;
    ~ReadyForReuse()
    {
        SQLFreeStmt(stmt, SQL_CLOSE);
        SQLFreeStmt(stmt, SQL_RESET_PARAMS);
    }
};

}  // namespace

OdbcEngine::Statement& OdbcEngine::preparedFor(const QString& text)
{
    auto known = prepared_.find(text);
    if (known == prepared_.end()) {
        if (prepared_.size() >= kMaxPrepared) prepared_.clear();
        known = prepared_.emplace(text, std::make_unique<Statement>(connection_->get(), text)).first;
    }
    return *known->second;
}

void OdbcEngine::forgetPrepared()
{
    prepared_.clear();
    identities_.clear();
}

StatementResult OdbcEngine::run(const QString& statement, const QVector<Variant>& parameters)
{
    keepSessionTimeout();
    insertedId_.reset();
    const QString identity = identityInsertedBy(statement);
    if (identity.isEmpty()) return execute(statement, parameters);
    StatementResult result = execute(statement + " RETURNING " + quoteIdentifier(identity), parameters);
    if (!result.rows.isEmpty()) insertedId_ = result.rows.last().first().toLong();
    // What the caller ran is an INSERT, which gives no rows.
    result.hasRows = false;
    result.columns.clear();
    result.rows.clear();
    return result;
}

// The column the server numbers in the table an INSERT writes, when the
// table's columns were read: the statement returns the number it generates,
// which is then not asked for by another. Statements whose end cannot take
// a RETURNING clause safely are left as they are.
QString OdbcEngine::identityInsertedBy(const QString& statement) const
{
    if (server_ != Server::PostgreSql || identities_.empty()) return {};
    static const QRegularExpression insert(QStringLiteral("^\\s*INSERT\\s+INTO\\s+\"?([\\w$]+)\"?[\\s(]"),
                                           QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression unsafe(QStringLiteral("\\bRETURNING\\b|--|/\\*|;"),
                                           QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = insert.match(statement);
    if (!match.hasMatch() || unsafe.match(statement).hasMatch()) return {};
    const auto known = identities_.find(match.captured(1).toLower());
    return known == identities_.end() ? QString() : known->second;
}

StatementResult OdbcEngine::execute(const QString& statement, const QVector<Variant>& parameters)
{
    if (parameters.isEmpty()) {
        Handle handle(SQL_HANDLE_STMT, connection_->get());
        SQLHANDLE stmt = handle.get();
        limitTime(stmt, statementTimeout());
        check(SQLExecDirectW(stmt, const_cast<SQLWCHAR*>(wide(statement)), SQL_NTS), SQL_HANDLE_STMT, stmt);
        return collect(stmt, server_ == Server::PostgreSql);
    }
    SQLHANDLE stmt = preparedFor(statement).get();
    const ReadyForReuse reuse{stmt};
    limitTime(stmt, statementTimeout());
    const BoundValues values(stmt, parameters);
    check(SQLExecute(stmt), SQL_HANDLE_STMT, stmt);
    return collect(stmt, server_ == Server::PostgreSql);
}

// psqlODBC makes a statement's time-out the session's, by a statement of its
// own whenever it differs from the last one's (its catalogue reads have
// none): on PostgreSQL the session keeps the connection's time-out instead.
std::optional<int> OdbcEngine::statementTimeout() const
{
    return server_ == Server::PostgreSql ? std::nullopt : std::optional(commandTimeout_);
}

void OdbcEngine::keepSessionTimeout()
{
    if (server_ != Server::PostgreSql || sessionTimeout_ == commandTimeout_) return;
    execute("SET statement_timeout = " + QString::number(commandTimeout_ * 1000), {});
    sessionTimeout_ = commandTimeout_;
}

qint64 OdbcEngine::lastInsertId()
{
    if (insertedId_) return *insertedId_;
    const QString query = server_ == Server::PostgreSql ? "SELECT lastval()" : "SELECT SCOPE_IDENTITY()";
    const StatementResult result = run(query);
    return result.rows.isEmpty() ? 0 : result.rows.first().first().toLong();
}

void OdbcEngine::beginTransaction()
{
    check(SQLSetConnectAttrW(connection_->get(), SQL_ATTR_AUTOCOMMIT, reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_OFF),
                             0),
          SQL_HANDLE_DBC, connection_->get());
}

void OdbcEngine::endTransaction(bool commit)
{
    SQLHANDLE dbc = connection_->get();
    const SQLRETURN ended = SQLEndTran(SQL_HANDLE_DBC, dbc, commit ? SQL_COMMIT : SQL_ROLLBACK);
    // Read now: the next call on the handle clears what the driver said.
    std::optional<EngineFailure> failure;
    if (!succeeded(ended) && ended != SQL_NO_DATA) {
        failure = failureOf(SQL_HANDLE_DBC, dbc);
        failure->situation = situationOf(*failure);
    }
    SQLSetConnectAttrW(dbc, SQL_ATTR_AUTOCOMMIT, reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_ON), 0);
    if (failure) throw *failure;
}

void OdbcEngine::commitTransaction() { endTransaction(true); }

void OdbcEngine::rollbackTransaction() { endTransaction(false); }

QVector<TableInfo> OdbcEngine::tables()
{
    Handle handle(SQL_HANDLE_STMT, connection_->get());
    SQLHANDLE stmt = handle.get();
    const QString kinds = "TABLE,VIEW";
    check(SQLTablesW(stmt, nullptr, 0, nullptr, 0, nullptr, 0, const_cast<SQLWCHAR*>(wide(kinds)), SQL_NTS),
          SQL_HANDLE_STMT, stmt);
    QVector<TableInfo> found;
    SQLWCHAR name[kNameLength] = {};
    SQLWCHAR kind[32] = {};
    SQLLEN nameLength = 0;
    SQLLEN kindLength = 0;
    SQLBindCol(stmt, 3, SQL_C_WCHAR, name, sizeof name, &nameLength);
    SQLBindCol(stmt, 4, SQL_C_WCHAR, kind, sizeof kind, &kindLength);
    while (succeeded(SQLFetch(stmt))) found.append({fromWide(name), fromWide(kind).contains("VIEW")});
    return found;
}

QVector<ColumnInfo> OdbcEngine::columns(const QString& table)
{
    QVector<ColumnInfo> found;
    try {
        found = server_ == Server::PostgreSql ? postgresColumns(table) : driverColumns(table);
    } catch (const EngineFailure& failure) {
        if (failure.situation == Situation::MissingTable) return {};
        throw;
    }
    for (const ColumnInfo& column : found) {
        if (column.autoIncrement) identities_[table.toLower()] = column.name;
    }
    return found;
}

// The columns as a query of the table describes them, then its key and the
// columns the server numbers by itself from the catalogue: one round trip,
// where the driver's catalogue calls take three.
QVector<ColumnInfo> OdbcEngine::postgresColumns(const QString& table)
{
    const QString name = quoteIdentifier(table);
    const QString batch = "SELECT * FROM " + name + " WHERE 1 = 0; "
                          + QString(kKeyAndNumberedColumns).arg(QString(name).replace('\'', "''"));
    Handle handle(SQL_HANDLE_STMT, connection_->get());
    SQLHANDLE stmt = handle.get();
    check(SQLExecDirectW(stmt, const_cast<SQLWCHAR*>(wide(batch)), SQL_NTS), SQL_HANDLE_STMT, stmt);
    QVector<ColumnInfo> found = collect(stmt, true).columns;
    const SQLRETURN more = SQLMoreResults(stmt);
    check(more, SQL_HANDLE_STMT, stmt);
    if (more == SQL_NO_DATA) return found;
    for (const QVector<Variant>& flags : collect(stmt, true).rows) {
        for (ColumnInfo& column : found) {
            if (!vb::SameText(column.name, flags[0].toText())) continue;
            column.primaryKey = flags[1].toLong() != 0;
            column.autoIncrement = flags[2].toLong() != 0;
        }
    }
    return found;
}

// The columns as a query of the table describes them, with its key and the
// column the server numbers by itself, as the driver tells them.
QVector<ColumnInfo> OdbcEngine::driverColumns(const QString& table)
{
    Handle handle(SQL_HANDLE_STMT, connection_->get());
    SQLHANDLE stmt = handle.get();
    check(SQLExecDirectW(stmt, const_cast<SQLWCHAR*>(wide("SELECT * FROM " + quoteIdentifier(table) + " WHERE 1 = 0")),
                         SQL_NTS),
          SQL_HANDLE_STMT, stmt);
    SQLSMALLINT columnCount = 0;
    check(SQLNumResultCols(stmt, &columnCount), SQL_HANDLE_STMT, stmt);
    QVector<ColumnInfo> found;
    for (SQLUSMALLINT c = 1; c <= columnCount; ++c) {
        SQLLEN automatic = SQL_FALSE;
        SQLColAttributeW(stmt, c, SQL_DESC_AUTO_UNIQUE_VALUE, nullptr, 0, nullptr, &automatic);
        ColumnInfo column = describeColumn(stmt, c, false);
        column.autoIncrement = automatic == SQL_TRUE;
        found.append(column);
    }
    SQLCloseCursor(stmt);

    Handle keys(SQL_HANDLE_STMT, connection_->get());
    if (succeeded(SQLPrimaryKeysW(keys.get(), nullptr, 0, nullptr, 0, const_cast<SQLWCHAR*>(wide(table)), SQL_NTS))) {
        SQLWCHAR keyName[kNameLength] = {};
        SQLLEN keyLength = 0;
        SQLBindCol(keys.get(), 4, SQL_C_WCHAR, keyName, sizeof keyName, &keyLength);
        while (succeeded(SQLFetch(keys.get()))) {
            for (ColumnInfo& column : found) {
                if (vb::SameText(column.name, fromWide(keyName))) column.primaryKey = true;
            }
        }
    }
    return found;
}

}  // namespace db
