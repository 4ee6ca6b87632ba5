#pragma once

#include "platform/db/Dialect.h"

#include <QStringList>

#include <memory>
#include <vector>

struct sqlite3;

// An in-memory SQLite database with the T-SQL functions registered, that runs
// T-SQL batches the way the connection does: translated, then statement by
// statement. Values come back as text, NULL as MemoryDatabase::Null.
class MemoryDatabase {
public:
    using Row = QStringList;
    using Rows = std::vector<Row>;

    static inline const QString Null = QStringLiteral("<NULL>");
    static inline const QString Name = QStringLiteral("EMP01");

    MemoryDatabase();
    ~MemoryDatabase();
    MemoryDatabase(const MemoryDatabase&) = delete;
    MemoryDatabase& operator=(const MemoryDatabase&) = delete;

    // Translates and runs a T-SQL batch; the rows of its last statement.
    Rows run(const QString& tsql);
    // Runs SQLite text as it is (schema and test rows); the rows it returns.
    Rows native(const QString& sql);
    // Rows changed by the last INSERT, UPDATE or DELETE.
    int changes() const;

private:
    sqlite3* connection_ = nullptr;
    std::unique_ptr<db::Dialect> dialect_;
};
