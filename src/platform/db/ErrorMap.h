#pragma once

#include "platform/db/DbErrors.h"

// The one table that turns engine failures and object misuse into the error
// numbers of the suite's logic (ADO error numbers and SQL Server native
// errors), whatever engine is underneath.
namespace db::ErrorMap {

// Where a failure surfaced: a record set's Update reports a duplicate key
// with its own number.
enum class Context { Statement, RecordsetUpdate, Open };

DbError toDbError(const EngineFailure& failure, Context context = Context::Statement);

// Failures of the access objects themselves.
constexpr long ObjectClosed = 3704;        // operation not allowed when the object is closed
constexpr long ConnectionUnusable = 3709;  // the connection cannot be used
constexpr long AlreadyOpen = 3705;         // operation not allowed when the object is open
constexpr long NotUpdatable = 3251;        // the record set does not support updating
constexpr long NoCurrentRecord = 3021;     // BOF or EOF, or the current record was deleted
constexpr long ItemNotFound = 3265;        // no field of that name
constexpr long NotAllowedWhileEditing = 3219;
constexpr long WrongType = 3421;  // value of the wrong type for the field
constexpr long DuplicateOnUpdate = 3022;
constexpr long RowNotLocated = -2147217864;
constexpr long NoSuchTable = -2147217865;  // a statement names a table the database lacks
constexpr long LinkLostNumber = -2147467259;
constexpr long LinkLostNative = 11;

ErrorVB objectError(long number, const QString& source);
ErrorVB toErrorVB(const DbError& error, const QString& source);

// Whether `error`, raised by a connection with these errors, is the link to
// the server being lost.
bool linkLost(const ErrorVB& error, const Errors& errors);

}  // namespace db::ErrorMap
