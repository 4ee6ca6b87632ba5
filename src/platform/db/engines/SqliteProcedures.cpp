#include "platform/db/engines/SqliteProcedures.h"

#include "platform/ErrorVB.h"
#include "platform/db/ErrorMap.h"

#include <QString>

#include <sqlite3.h>

#include <array>
#include <memory>
#include <type_traits>
#include <vector>

namespace db {

namespace {

struct Procedure {
    const char* name;
    const char* columns;  // the result's columns, then one hidden column per argument
    int results;
    int arguments;
    const char* query;  // arguments bound to ?1, ?2 ...
};

const std::array kProcedures = {
    Procedure{"sp1_getCfg", "Valor, ValorAux, Campo HIDDEN", 2, 1,
              "SELECT VALOR, VALORAUX FROM TA_CONFIGURACION WHERE CLAVE = ?1 LIMIT 1"},
};

// SQLite's own structures come first, so that SQLite's pointers are ours.
struct Table {
    sqlite3_vtab base{};
    sqlite3* connection = nullptr;
    const Procedure* procedure = nullptr;
};

struct Cursor {
    sqlite3_vtab_cursor base{};
    sqlite3_stmt* statement = nullptr;
    std::vector<sqlite3_value*> arguments;
    sqlite3_int64 row = 0;
    bool atEnd = true;

    ~Cursor() { release(); }
    void release()
    {
        sqlite3_finalize(statement);
        statement = nullptr;
        for (sqlite3_value* value : arguments) sqlite3_value_free(value);
        arguments.clear();
    }
};

static_assert(std::is_standard_layout_v<Table> && std::is_standard_layout_v<Cursor>);

Table& tableOf(sqlite3_vtab* base) { return *reinterpret_cast<Table*>(base); }
Cursor& cursorOf(sqlite3_vtab_cursor* base) { return *reinterpret_cast<Cursor*>(base); }

int fail(sqlite3_vtab* table, const QString& message)
{
    sqlite3_free(table->zErrMsg);
    table->zErrMsg = sqlite3_mprintf("%s", message.toUtf8().constData());
    return SQLITE_ERROR;
}

// Ownership of the objects made here passes to SQLite until it hands them
// back to the matching disconnect or close.
int connect(sqlite3* connection, void* procedure, int, const char* const*, sqlite3_vtab** table, char**)
{
    const auto* definition = static_cast<const Procedure*>(procedure);
    const QByteArray schema = QByteArray("CREATE TABLE x(") + definition->columns + ")";
    if (const int result = sqlite3_declare_vtab(connection, schema.constData()); result != SQLITE_OK) return result;
    auto made = std::make_unique<Table>();
    made->connection = connection;
    made->procedure = definition;
    *table = &made.release()->base;
    return SQLITE_OK;
}

int disconnect(sqlite3_vtab* table)
{
    const std::unique_ptr<Table> owned(&tableOf(table));
    return SQLITE_OK;
}

// Every argument must be given as an equality on its hidden column.
int bestIndex(sqlite3_vtab* table, sqlite3_index_info* info)
{
    const Procedure& procedure = *tableOf(table).procedure;
    int given = 0;
    for (int i = 0; i < info->nConstraint; ++i) {
        const auto& constraint = info->aConstraint[i];
        const int argument = constraint.iColumn - procedure.results;
        if (argument < 0 || constraint.op != SQLITE_INDEX_CONSTRAINT_EQ) continue;
        if (!constraint.usable) return SQLITE_CONSTRAINT;
        info->aConstraintUsage[i].argvIndex = argument + 1;
        info->aConstraintUsage[i].omit = 1;
        ++given;
    }
    if (given < procedure.arguments)
        return fail(table, QString("%1 takes %2 argument(s)").arg(procedure.name).arg(procedure.arguments));
    info->estimatedCost = 1;
    return SQLITE_OK;
}

int open(sqlite3_vtab*, sqlite3_vtab_cursor** cursor)
{
    *cursor = &std::make_unique<Cursor>().release()->base;
    return SQLITE_OK;
}

int close(sqlite3_vtab_cursor* cursor)
{
    const std::unique_ptr<Cursor> owned(&cursorOf(cursor));
    return SQLITE_OK;
}

int step(Cursor& cursor)
{
    const int result = sqlite3_step(cursor.statement);
    cursor.atEnd = result != SQLITE_ROW;
    ++cursor.row;
    if (result == SQLITE_ROW || result == SQLITE_DONE) return SQLITE_OK;
    return fail(cursor.base.pVtab, QString::fromUtf8(sqlite3_errmsg(tableOf(cursor.base.pVtab).connection)));
}

int filter(sqlite3_vtab_cursor* base, int, const char*, int argc, sqlite3_value** argv)
{
    Cursor& cursor = cursorOf(base);
    const Table& table = tableOf(base->pVtab);
    cursor.release();
    cursor.row = 0;
    if (sqlite3_prepare_v2(table.connection, table.procedure->query, -1, &cursor.statement, nullptr) != SQLITE_OK)
        return fail(base->pVtab, QString::fromUtf8(sqlite3_errmsg(table.connection)));
    for (int i = 0; i < argc; ++i) {
        sqlite3_bind_value(cursor.statement, i + 1, argv[i]);
        cursor.arguments.push_back(sqlite3_value_dup(argv[i]));
    }
    return step(cursor);
}

int next(sqlite3_vtab_cursor* cursor) { return step(cursorOf(cursor)); }

int atEnd(sqlite3_vtab_cursor* cursor) { return cursorOf(cursor).atEnd ? 1 : 0; }

int column(sqlite3_vtab_cursor* base, sqlite3_context* context, int index)
{
    Cursor& cursor = cursorOf(base);
    const int results = tableOf(base->pVtab).procedure->results;
    if (index < results)
        sqlite3_result_value(context, sqlite3_column_value(cursor.statement, index));
    else
        sqlite3_result_value(context, cursor.arguments.at(static_cast<size_t>(index - results)));
    return SQLITE_OK;
}

int rowId(sqlite3_vtab_cursor* cursor, sqlite3_int64* row)
{
    *row = cursorOf(cursor).row;
    return SQLITE_OK;
}

// Without xCreate the module is eponymous only: it exists under its own name
// on every connection it is registered on, and cannot be created as a table.
const sqlite3_module kModule = {
    .iVersion = 0,
    .xCreate = nullptr,
    .xConnect = connect,
    .xBestIndex = bestIndex,
    .xDisconnect = disconnect,
    .xDestroy = disconnect,
    .xOpen = open,
    .xClose = close,
    .xFilter = filter,
    .xNext = next,
    .xEof = atEnd,
    .xColumn = column,
    .xRowid = rowId,
    .xUpdate = nullptr,
    .xBegin = nullptr,
    .xSync = nullptr,
    .xCommit = nullptr,
    .xRollback = nullptr,
    .xFindFunction = nullptr,
    .xRename = nullptr,
    .xSavepoint = nullptr,
    .xRelease = nullptr,
    .xRollbackTo = nullptr,
    .xShadowName = nullptr,
};

}  // namespace

void registerTsqlProcedures(sqlite3* connection)
{
    for (const Procedure& procedure : kProcedures) {
        const int result =
            sqlite3_create_module_v2(connection, procedure.name, &kModule, const_cast<Procedure*>(&procedure), nullptr);
        if (result != SQLITE_OK)
            throw ErrorVB(ErrorMap::UnspecifiedFailure,
                          QString("Cannot register %1: %2").arg(procedure.name, sqlite3_errmsg(connection)), "SQLite");
    }
}

}  // namespace db
