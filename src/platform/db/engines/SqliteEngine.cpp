#include "platform/db/engines/SqliteEngine.h"

#include "platform/VbText.h"
#include "platform/db/DbErrors.h"
#include "platform/db/Dialect.h"
#include "platform/db/engines/SqliteFunctions.h"
#include "platform/db/engines/SqliteProcedures.h"
#include "platform/os/System.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <sqlite3.h>

namespace db {

namespace {

constexpr char kExtension[] = ".sqlite";
constexpr int kMaxReusable = 64;

// SQLite counts its memory under a process-wide lock at every allocation, for
// statistics nothing here reads. The setting only takes before SQLite starts,
// hence at load.
const int kNoMemoryStatistics = sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0);

// A database is a file of the server's folder: a name that is a path would
// reach files elsewhere.
bool namesAPath(const QString& database)
{
    return database.contains(u'/') || database.contains(u'\\') || database.contains("..");
}

EngineFailure notADatabase(const QString& name)
{
    return {Situation::DatabaseNotFound,
            "No se puede abrir la base de datos \"" + name + "\": su archivo no es una base de SQLite.",
            {},
            0};
}

Situation situationOf(int extendedCode, const QString& message)
{
    switch (extendedCode) {
    case SQLITE_CONSTRAINT_UNIQUE:
    case SQLITE_CONSTRAINT_PRIMARYKEY: return Situation::DuplicateKey;
    case SQLITE_CONSTRAINT_NOTNULL: return Situation::NullNotAllowed;
    case SQLITE_CONSTRAINT_TRIGGER:
        if (message.contains(kTruncationMessage)) return Situation::TextTooLong;
        if (message.contains(kConversionMessage)) return Situation::WrongType;
        return Situation::ConstraintConflict;
    case SQLITE_MISMATCH: return Situation::WrongType;
    default: break;
    }
    switch (extendedCode & 0xFF) {
    case SQLITE_CONSTRAINT: return Situation::ConstraintConflict;
    case SQLITE_BUSY:
    case SQLITE_LOCKED: return Situation::Locked;
    case SQLITE_FULL: return Situation::DiskFull;
    case SQLITE_IOERR:
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB: return Situation::LinkLost;
    case SQLITE_CANTOPEN: return Situation::DatabaseNotFound;
    default: break;
    }
    if (message.startsWith("no such table")) return Situation::MissingTable;
    if (message.startsWith("no such column")) return Situation::MissingColumn;
    if (message.contains("syntax error")) return Situation::SyntaxError;
    return Situation::StatementError;
}

// Text the way dates travel in SQLite files.
QString storedDate(const QDateTime& value) { return value.toString("yyyy-MM-dd HH:mm:ss"); }

const QRegularExpression& isoDateTime()
{
    static const QRegularExpression shape(QStringLiteral("^\\d{4}-\\d{2}-\\d{2} \\d{2}:\\d{2}:\\d{2}$"));
    return shape;
}

QString columnText(sqlite3_stmt* statement, int column)
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
    return QString::fromUtf8(text, sqlite3_column_bytes(statement, column));
}

Variant valueOf(sqlite3_stmt* statement, int column, const ColumnType& type)
{
    const int storage = sqlite3_column_type(statement, column);
    if (storage == SQLITE_NULL) return Variant::null();
    if (type.isBoolean()) {
        if (storage == SQLITE_TEXT) return Variant(columnText(statement, column)).toBool();
        return sqlite3_column_int64(statement, column) != 0;
    }
    if (type.isDate() && storage == SQLITE_TEXT) {
        const QString text = columnText(statement, column);
        const auto date = vb::ParseDate(text);
        return date ? Variant(*date) : Variant(text);
    }
    if (type.isWholeNumber() && storage == SQLITE_INTEGER) return Variant(sqlite3_column_int64(statement, column));
    if (type.isNumber() && (storage == SQLITE_INTEGER || storage == SQLITE_FLOAT)) {
        return sqlite3_column_double(statement, column);
    }
    if (type.isText()) return columnText(statement, column);
    switch (storage) {
    case SQLITE_INTEGER: return Variant(sqlite3_column_int64(statement, column));
    case SQLITE_FLOAT: return sqlite3_column_double(statement, column);
    default: return columnText(statement, column);
    }
}

// Expressions have no declared type: their type follows the value they hold.
ColumnType typeOfValue(sqlite3_stmt* statement, int column)
{
    switch (sqlite3_column_type(statement, column)) {
    case SQLITE_INTEGER: {
        const qint64 value = sqlite3_column_int64(statement, column);
        return value == static_cast<qint32>(value) ? ColumnType{ado::adInteger, 4} : ColumnType{ado::adBigInt, 8};
    }
    case SQLITE_FLOAT: return {ado::adDouble, 8};
    case SQLITE_TEXT:
        if (isoDateTime().match(columnText(statement, column)).hasMatch()) return {ado::adDBTimeStamp, 16};
        return {ado::adVarChar, std::max(255L, static_cast<long>(sqlite3_column_bytes(statement, column)))};
    default: return {ado::adVarChar, 255};
    }
}

ColumnType typeOf(sqlite3_stmt* statement, int column)
{
    const char* declared = sqlite3_column_decltype(statement, column);
    if (declared) return columnTypeFromDeclared(QString::fromUtf8(declared));
    return typeOfValue(statement, column);
}

}  // namespace

void SqliteEngine::StatementCloser::operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }

SqliteEngine::SqliteEngine(const QString& folder, const QString& database)
    : folder_(folder), dialect_(makeSqliteDialect())
{
    open(database);
}

SqliteEngine::~SqliteEngine() { close(); }

QString SqliteEngine::databaseFile(const QString& folder, const QString& database)
{
    return os::findFileIgnoringCase(folder, vb::Trim(database) + kExtension);
}

const Dialect& SqliteEngine::dialect() const { return *dialect_; }

void SqliteEngine::open(const QString& database)
{
    const QString name = vb::Trim(database);
    const QString path = name.isEmpty() || namesAPath(name) ? QString() : databaseFile(folder_, name);
    if (!QFileInfo(path).isFile()) {
        throw EngineFailure{Situation::DatabaseNotFound,
                            "No se puede abrir la base de datos \"" + name + "\" solicitada por el inicio de sesión.",
                            {},
                            0};
    }
    // SQLite takes an empty file for a new database and would write into it.
    // The size comes from the folder, not from opening the file: closing any
    // descriptor of it would drop the locks this process's connections hold
    // on it, and another program would take itself for its last user.
    if (QFileInfo(path).size() == 0) throw notADatabase(name);
    sqlite3* handle = nullptr;
    // A connection is only used by the thread that opened it, so SQLite need not lock it at every call.
    const int code =
        sqlite3_open_v2(path.toUtf8().constData(), &handle, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (code != SQLITE_OK) {
        const QString message = handle ? QString::fromUtf8(sqlite3_errmsg(handle)) : QString("sqlite3_open_v2");
        sqlite3_close(handle);
        throw EngineFailure{Situation::DatabaseNotFound, message, {}, code};
    }
    sqlite3_busy_timeout(handle, timeoutMilliseconds_);
    // SQLite reads the header at the first statement; any other file is refused there.
    if (sqlite3_exec(handle, "PRAGMA schema_version", nullptr, nullptr, nullptr) == SQLITE_NOTADB) {
        sqlite3_close(handle);
        throw notADatabase(name);
    }
    connection_ = handle;
    database_ = name;
    sqlite3_extended_result_codes(connection_, 1);
    registerTsqlFunctions(connection_);
    registerTsqlProcedures(connection_);
    // Each write is committed by itself: the write-ahead log keeps that cheap.
    run("PRAGMA journal_mode=WAL");
    run("PRAGMA synchronous=NORMAL");
    run(kMappedReadsPragma);
}

void SqliteEngine::close()
{
    for (sqlite3_stmt* statement : std::as_const(reusable_)) sqlite3_finalize(statement);
    reusable_.clear();
    if (connection_) sqlite3_close(connection_);
    connection_ = nullptr;
}

void SqliteEngine::useDatabase(const QString& name)
{
    if (vb::SameText(vb::Trim(name), database_)) return;
    const QString previous = database_;
    close();
    try {
        open(name);
    } catch (const EngineFailure&) {
        open(previous);
        throw;
    }
}

void SqliteEngine::fail(int code) const
{
    const QString message = QString::fromUtf8(sqlite3_errmsg(connection_));
    const int extended = sqlite3_extended_errcode(connection_);
    throw EngineFailure{situationOf(extended ? extended : code, message), message, {}, extended};
}

sqlite3_stmt* SqliteEngine::prepare(const QString& statement, bool reusable, Statement& owned)
{
    if (reusable) {
        if (sqlite3_stmt* cached = reusable_.value(statement)) return cached;
    }
    sqlite3_stmt* prepared = nullptr;
    const QByteArray text = statement.toUtf8();
    const int code =
        sqlite3_prepare_v2(connection_, text.constData(), static_cast<int>(text.size()), &prepared, nullptr);
    if (code != SQLITE_OK) {
        sqlite3_finalize(prepared);
        fail(code);
    }
    if (!prepared) return nullptr;  // only blanks or a comment
    if (!reusable) {
        owned.reset(prepared);
        return prepared;
    }
    if (reusable_.size() >= kMaxReusable) {
        for (sqlite3_stmt* old : std::as_const(reusable_)) sqlite3_finalize(old);
        reusable_.clear();
    }
    reusable_.insert(statement, prepared);
    return prepared;
}

void SqliteEngine::bind(sqlite3_stmt* statement, const QVector<Variant>& parameters)
{
    BoundTexts texts;
    for (int i = 0; i < parameters.size(); ++i) {
        const Variant& value = parameters[i];
        const int position = i + 1;
        switch (value.type()) {
        case Variant::Type::Empty:
        case Variant::Type::Null: sqlite3_bind_null(statement, position); break;
        case Variant::Type::Boolean: sqlite3_bind_int(statement, position, value.toBool() ? 1 : 0); break;
        case Variant::Type::Integer: sqlite3_bind_int64(statement, position, value.toLong()); break;
        case Variant::Type::Double: sqlite3_bind_double(statement, position, value.toDouble()); break;
        case Variant::Type::Date: texts.append({position, storedDate(value.toDateTime())}); break;
        case Variant::Type::Text: texts.append({position, value.toText()}); break;
        }
    }
    bindTexts(statement, texts);
    // A reused statement keeps its last values until they are bound again; a
    // marker left without a value is NULL.
    for (int position = static_cast<int>(parameters.size()) + 1; position <= sqlite3_bind_parameter_count(statement);
         ++position) {
        sqlite3_bind_null(statement, position);
    }
}

// The texts are encoded one after another into the engine's buffer and read
// there by SQLite, uncopied: a statement's values are only read while it
// runs, and every run binds all of them afresh. Nothing this engine runs may
// bind while another statement of it runs, or the buffer would change under it.
void SqliteEngine::bindTexts(sqlite3_stmt* statement, const BoundTexts& texts)
{
    qsizetype room = 0;
    for (const auto& [position, text] : texts) room += toUtf8_.requiredSpace(text.size());
    bindBuffer_.resize(static_cast<size_t>(room));
    char* next = bindBuffer_.data();
    for (const auto& [position, text] : texts) {
        char* const start = next;
        next = toUtf8_.appendToBuffer(start, text);
        sqlite3_bind_text(statement, position, start, static_cast<int>(next - start), SQLITE_STATIC);
    }
}

StatementResult SqliteEngine::collect(sqlite3_stmt* statement)
{
    StatementResult result;
    const int columnCount = sqlite3_column_count(statement);
    result.hasRows = columnCount > 0;
    for (int step = sqlite3_step(statement);; step = sqlite3_step(statement)) {
        if (step == SQLITE_DONE) break;
        if (step != SQLITE_ROW) fail(step);
        if (result.columns.isEmpty()) {
            for (int c = 0; c < columnCount; ++c) {
                result.columns.append({QString::fromUtf8(sqlite3_column_name(statement, c)), typeOf(statement, c)});
            }
        }
        QVector<Variant> row;
        row.reserve(columnCount);
        for (int c = 0; c < columnCount; ++c) row.append(valueOf(statement, c, result.columns[c].type));
        result.rows.append(std::move(row));
    }
    if (result.hasRows && result.columns.isEmpty()) {
        for (int c = 0; c < columnCount; ++c) {
            const char* declared = sqlite3_column_decltype(statement, c);
            result.columns.append({QString::fromUtf8(sqlite3_column_name(statement, c)),
                                   declared ? columnTypeFromDeclared(declared) : ColumnType{ado::adVarChar, 255}});
        }
    }
    if (!sqlite3_stmt_readonly(statement)) result.rowsAffected = sqlite3_changes(connection_);
    return result;
}

StatementResult SqliteEngine::run(const QString& statement, const QVector<Variant>& parameters)
{
    Statement owned;
    const bool reusable = !parameters.isEmpty();
    sqlite3_stmt* prepared = prepare(statement, reusable, owned);
    if (!prepared) return {};
    bind(prepared, parameters);
    struct Reset {
        sqlite3_stmt* statement;
        bool reusable;
        ~Reset()
        {
            if (reusable) sqlite3_reset(statement);
        }
    } reset{prepared, reusable};
    return collect(prepared);
}

qint64 SqliteEngine::lastInsertId() { return sqlite3_last_insert_rowid(connection_); }

void SqliteEngine::beginTransaction() { run("BEGIN"); }

void SqliteEngine::commitTransaction() { run("COMMIT"); }

void SqliteEngine::rollbackTransaction() { run("ROLLBACK"); }

QVector<TableInfo> SqliteEngine::tables()
{
    QVector<TableInfo> found;
    // A full-text index is listed as a table; the tables it keeps its data in are not.
    const StatementResult result =
        run("SELECT name, type FROM pragma_table_list WHERE schema = 'main' AND type IN ('table','view','virtual') "
            "AND name NOT LIKE 'sqlite%' ORDER BY name");
    for (const auto& row : result.rows) found.append({row[0].toText(), row[1].toText() == "view"});
    return found;
}

QVector<ColumnInfo> SqliteEngine::columns(const QString& table)
{
    const StatementResult result = run("PRAGMA table_info(" + quoteIdentifier(table) + ")");
    QVector<ColumnInfo> found;
    int keyColumns = 0;
    for (const auto& row : result.rows) {
        ColumnInfo column{row[1].toText(), columnTypeFromDeclared(row[2].textOrEmpty())};
        column.primaryKey = row[5].toLong() > 0;
        keyColumns += column.primaryKey ? 1 : 0;
        found.append(column);
    }
    // An INTEGER PRIMARY KEY alone is the row id: the database numbers it.
    for (ColumnInfo& column : found) {
        column.autoIncrement = keyColumns == 1 && column.primaryKey && column.type.adoType == ado::adInteger;
    }
    return found;
}

void SqliteEngine::setCommandTimeout(int seconds)
{
    timeoutMilliseconds_ = seconds > 0 ? seconds * 1000 : 0;
    sqlite3_busy_timeout(connection_, timeoutMilliseconds_);
}

}  // namespace db

namespace db {

QString SqliteEngine::quoteIdentifier(const QString& name) const
{
    return '"' + QString(name).replace('"', "\"\"") + '"';
}

}  // namespace db
