#pragma once

#include "platform/db/Engine.h"

#include <QHash>
#include <QStringEncoder>
#include <QVarLengthArray>

#include <memory>
#include <string>
#include <utility>

struct sqlite3;
struct sqlite3_stmt;

namespace db {

// Texts of the checks that SQLite databases carry for what SQL Server
// enforces by itself (text length, numbers in numeric columns); the engine
// recognises the failures by them.
inline constexpr char kTruncationMessage[] = "Los datos de cadena o binarios se truncarían";
inline constexpr char kConversionMessage[] = "Error al convertir el tipo de datos";
// The database is read through memory mapped from the file, up to this size:
// a search that scans an index then reads the system's cached pages in place
// instead of copying each one, which halves the time of a scan.
inline constexpr char kMappedReadsPragma[] = "PRAGMA mmap_size=1073741824";

// A database of a SQLite "server": the file <folder>/<database>.sqlite.
class SqliteEngine : public Engine {
public:
    // Opens an existing database file; a missing one, or a name that is a path
    // rather than a name in the folder, is DatabaseNotFound; so is a file that
    // is not a SQLite database, which is left untouched.
    SqliteEngine(const QString& folder, const QString& database);
    ~SqliteEngine() override;

    SqliteEngine(const SqliteEngine&) = delete;
    SqliteEngine& operator=(const SqliteEngine&) = delete;

    // The file of `database` in `folder`, its name's case ignored.
    static QString databaseFile(const QString& folder, const QString& database);

    const Dialect& dialect() const override;
    QString databaseName() const override { return database_; }
    void useDatabase(const QString& name) override;

    StatementResult run(const QString& statement, const QVector<Variant>& parameters = {}) override;
    qint64 lastInsertId() override;

    void beginTransaction() override;
    void commitTransaction() override;
    void rollbackTransaction() override;

    QVector<TableInfo> tables() override;
    QVector<ColumnInfo> columns(const QString& table) override;

    void setCommandTimeout(int seconds) override;
    QString quoteIdentifier(const QString& name) const override;

private:
    struct StatementCloser {
        void operator()(sqlite3_stmt* statement) const;
    };
    using Statement = std::unique_ptr<sqlite3_stmt, StatementCloser>;
    using BoundTexts = QVarLengthArray<std::pair<int, QString>, 16>;  // marker position and text

    void open(const QString& database);
    void close();
    [[noreturn]] void fail(int code) const;
    sqlite3_stmt* prepare(const QString& statement, bool reusable, Statement& owned);
    void bind(sqlite3_stmt* statement, const QVector<Variant>& parameters);
    void bindTexts(sqlite3_stmt* statement, const BoundTexts& texts);
    StatementResult collect(sqlite3_stmt* statement);

    QString folder_;
    QString database_;
    sqlite3* connection_ = nullptr;
    int timeoutMilliseconds_ = 30000;
    QHash<QString, sqlite3_stmt*> reusable_;  // prepared statements with parameters, kept for reuse
    // Bound texts, in UTF-8, where SQLite reads them.
    QStringEncoder toUtf8_{QStringEncoder::Utf8, QStringConverter::Flag::Stateless};
    std::string bindBuffer_;
    std::unique_ptr<Dialect> dialect_;
};

}  // namespace db
