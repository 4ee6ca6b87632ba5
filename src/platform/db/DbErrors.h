#pragma once

#include "platform/ErrorVB.h"

#include <QString>
#include <QVector>

namespace db {

// One provider error, as a connection's error list holds it.
struct DbError {
    long Number = 0;
    QString Description;
    QString SQLState;
    long NativeError = 0;
};

// A connection's error list. An operation that fails replaces it with its
// own errors; an operation that succeeds leaves it as it was.
class Errors {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    const DbError& Item(int index) const { return items_.at(index); }
    void Clear() { items_.clear(); }

    void replace(QVector<DbError> errors) { items_ = std::move(errors); }
    void append(const DbError& error) { items_.append(error); }

private:
    QVector<DbError> items_;
};

// What went wrong, as the engines tell it; ErrorMap turns it into the
// numbers the program's logic tests.
enum class Situation {
    DuplicateKey,
    ConstraintConflict,
    NullNotAllowed,
    TextTooLong,
    WrongType,
    LinkLost,
    ServerNotFound,
    DatabaseNotFound,
    LoginFailed,
    MissingTable,
    MissingColumn,
    SyntaxError,
    Timeout,
    Locked,    // another user holds the lock the statement needs
    DiskFull,  // the database cannot grow
    Untranslatable,
    StatementError,
};

// A failure inside an engine, before it is mapped.
struct EngineFailure {
    Situation situation = Situation::StatementError;
    QString description;
    QString sqlState;      // the real SQLSTATE when the engine has one
    long nativeError = 0;  // the engine's own code, kept only when mapping gives none
};

}  // namespace db
