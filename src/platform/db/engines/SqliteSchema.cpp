#include "platform/db/engines/SqliteSchema.h"

#include "platform/ErrorVB.h"
#include "platform/db/ColumnType.h"
#include "platform/db/ErrorMap.h"
#include "platform/db/engines/SqliteEngine.h"
#include "platform/db/engines/SqliteFunctions.h"

#include <QFile>

#include <sqlite3.h>

#include <memory>

namespace db {

namespace {

struct Closer {
    void operator()(sqlite3* connection) const { sqlite3_close(connection); }
};
using Handle = std::unique_ptr<sqlite3, Closer>;

void execute(sqlite3* connection, const QString& sql)
{
    char* message = nullptr;
    if (sqlite3_exec(connection, sql.toUtf8().constData(), nullptr, nullptr, &message) == SQLITE_OK) return;
    const QString text = QString::fromUtf8(message ? message : "sqlite3_exec");
    sqlite3_free(message);
    throw ErrorVB(ErrorMap::ErrorsInCommand, text + " en: " + sql.left(200), "SQLite");
}

QString identifier(const QString& name) { return '"' + QString(name).replace('"', "\"\"") + '"'; }

QString literal(const QString& text) { return '\'' + QString(text).replace('\'', "''") + '\''; }

QStringList query(sqlite3* connection, const QString& sql, int columns)
{
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(connection, sql.toUtf8().constData(), -1, &statement, nullptr);
    QStringList values;
    while (statement && sqlite3_step(statement) == SQLITE_ROW) {
        for (int c = 0; c < columns; ++c) {
            values.append(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, c))));
        }
    }
    sqlite3_finalize(statement);
    return values;
}

// "WHEN <test> THEN RAISE(ABORT, <message>)" for every column that needs one.
QStringList checksOf(sqlite3* connection, const QString& table)
{
    QStringList checks;
    const QStringList info = query(connection, "SELECT name, type FROM pragma_table_info(" + literal(table) + ")", 2);
    for (int i = 0; i < info.size(); i += 2) {
        const QString column = info[i];
        const ColumnType type = columnTypeFromDeclared(info[i + 1]);
        const QString where = " (" + table + "." + column + ")";
        if (type.isText() && type.definedSize < kLongTextSize) {
            checks.append("WHEN length(NEW." + identifier(column) + ") > " + QString::number(type.definedSize)
                          + " THEN RAISE(ABORT, " + literal(kTruncationMessage + where) + ")");
        } else if (type.isNumber()) {
            checks.append("WHEN typeof(NEW." + identifier(column) + ") = 'text' THEN RAISE(ABORT, "
                          + literal(kConversionMessage + (" varchar a " + info[i + 1]) + where) + ")");
        }
    }
    return checks;
}

void addChecks(sqlite3* connection, const QString& table)
{
    const QStringList checks = checksOf(connection, table);
    if (checks.isEmpty()) return;
    const QString body = " BEGIN SELECT CASE " + checks.join(' ') + " END; END";
    for (const char* event : {"INSERT", "UPDATE"}) {
        execute(connection, "CREATE TRIGGER " + identifier("chk_" + table + "_" + event) + " BEFORE " + event + " ON "
                                + identifier(table) + " FOR EACH ROW" + body);
    }
}

}  // namespace

void createSqliteDatabase(const QString& path, const QStringList& scripts)
{
    // A journal or log left beside the path belongs to the old file: SQLite would play it into the new one.
    for (const char* suffix : {"", "-journal", "-wal", "-shm"}) QFile::remove(path + suffix);
    sqlite3* raw = nullptr;
    if (sqlite3_open_v2(path.toUtf8().constData(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr)
        != SQLITE_OK) {
        sqlite3_close(raw);
        throw ErrorVB(ErrorMap::ErrorsInCommand, "No se puede crear " + path, "SQLite");
    }
    Handle connection(raw);
    // Indexes are built with the same text comparison the program uses.
    registerTsqlFunctions(connection.get());
    execute(connection.get(), "BEGIN");
    // SQLite leaves a new file empty until something is stored, and an empty
    // file is no database: the header is written even when no table is made.
    execute(connection.get(), "PRAGMA user_version = 0");
    for (const QString& script : scripts) execute(connection.get(), script);
    const QStringList tables = query(
        connection.get(),
        "SELECT name FROM pragma_table_list WHERE schema = 'main' AND type = 'table' AND name NOT LIKE 'sqlite%'", 1);
    for (const QString& table : tables) addChecks(connection.get(), table);
    execute(connection.get(), "COMMIT");
}

}  // namespace db
