#include "platform/db/MemoryDatabase.h"

#include "platform/db/engines/SqliteFunctions.h"

#include <sqlite3.h>

#include <stdexcept>

namespace {

std::runtime_error failure(sqlite3* connection, const QString& sql)
{
    return std::runtime_error(QString("%1\n  in: %2").arg(sqlite3_errmsg(connection), sql).toStdString());
}

QString valueText(sqlite3_stmt* statement, int column)
{
    if (sqlite3_column_type(statement, column) == SQLITE_NULL) return MemoryDatabase::Null;
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
    return QString::fromUtf8(text, sqlite3_column_bytes(statement, column));
}

}  // namespace

MemoryDatabase::MemoryDatabase()
{
    if (sqlite3_open(":memory:", &connection_) != SQLITE_OK) throw failure(connection_, ":memory:");
    db::registerTsqlFunctions(connection_);
}

MemoryDatabase::~MemoryDatabase() { sqlite3_close(connection_); }

MemoryDatabase::Rows MemoryDatabase::native(const QString& sql)
{
    Rows rows;
    QByteArray rest = sql.toUtf8();
    while (!rest.trimmed().isEmpty()) {
        sqlite3_stmt* statement = nullptr;
        const char* tail = nullptr;
        if (sqlite3_prepare_v2(connection_, rest.constData(), -1, &statement, &tail) != SQLITE_OK)
            throw failure(connection_, sql);
        rest = QByteArray(tail);
        if (!statement) continue;
        rows.clear();
        int step = SQLITE_ROW;
        while ((step = sqlite3_step(statement)) == SQLITE_ROW) {
            Row row;
            for (int c = 0; c < sqlite3_column_count(statement); ++c) row << valueText(statement, c);
            rows.push_back(row);
        }
        if (step != SQLITE_DONE) {
            const std::runtime_error error = failure(connection_, sql);
            sqlite3_finalize(statement);
            throw error;
        }
        sqlite3_finalize(statement);
    }
    return rows;
}
