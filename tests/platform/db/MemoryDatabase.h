#pragma once

#include <QStringList>

#include <vector>

struct sqlite3;

// An in-memory SQLite database with the T-SQL functions registered, running
// SQLite text as it is. Values come back as text, NULL as MemoryDatabase::Null.
class MemoryDatabase {
public:
    using Row = QStringList;
    using Rows = std::vector<Row>;

    static inline const QString Null = QStringLiteral("<NULL>");

    MemoryDatabase();
    ~MemoryDatabase();
    MemoryDatabase(const MemoryDatabase&) = delete;
    MemoryDatabase& operator=(const MemoryDatabase&) = delete;

    // Runs SQLite text (one or more statements); the rows of the last one.
    Rows native(const QString& sql);

private:
    sqlite3* connection_ = nullptr;
};
