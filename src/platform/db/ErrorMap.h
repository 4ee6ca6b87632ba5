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

// The error numbers the program's logic tests, named here once. ADO reports
// a failure with a number and the provider's own (SQL Server's) native error.

// Failures of the access objects themselves.
constexpr long ObjectClosed = 3704;        // operation not allowed when the object is closed
constexpr long ConnectionUnusable = 3709;  // the connection cannot be used
constexpr long AlreadyOpen = 3705;         // operation not allowed when the object is open
constexpr long NotSupported = 3251;        // not supported: updating this record set, that schema
constexpr long NoCurrentRecord = 3021;     // BOF or EOF, or the current record was deleted
constexpr long ItemNotFound = 3265;        // no field of that name
constexpr long NotAllowedWhileEditing = 3219;
constexpr long WrongType = 3421;            // value of the wrong type for the field
constexpr long DuplicateOnUpdate = 3022;    // a record set's Update found the key taken
constexpr long NoConnection = -2147221503;  // the database class has no connection to use

// Numbers of failures the provider reports.
constexpr long ErrorsInCommand = -2147217900;
constexpr long IntegrityViolation = -2147217873;
constexpr long NoSuchTable = -2147217865;  // a statement names a table the database lacks
constexpr long RowNotLocated = -2147217864;
constexpr long DataTruncated = -2147217833;
constexpr long LoginRefused = -2147217843;
constexpr long TimeoutExpired = -2147217871;
constexpr long UnspecifiedFailure = -2147467259;  // also how a lost link is reported
constexpr long LinkLostNumber = UnspecifiedFailure;
constexpr long OracleWarning = 265929;  // Oracle's success with information

// SQL Server's native errors.
constexpr long LinkLostNative = 11;
constexpr long ServerNotFoundNative = 17;
constexpr long SyntaxErrorNative = 102;
constexpr long MissingColumnNative = 207;
constexpr long MissingTableNative = 208;
constexpr long NullNotAllowedNative = 515;
constexpr long ConstraintConflictNative = 547;
constexpr long ProviderConversionNative = 1010;  // the provider could not convert a value
constexpr long DiskFullNative = 1105;
constexpr long LogFullNative = 9002;
constexpr long LockTimeoutNative = 1222;
constexpr long DuplicateIndexNative = 2601;
constexpr long DuplicateKeyNative = 2627;
constexpr long DatabaseNotFoundNative = 4060;
constexpr long WrongTypeNative = 8114;
constexpr long TextTooLongNative = 8152;
constexpr long LoginFailedNative = 18456;

ErrorVB objectError(long number, const QString& source);
ErrorVB toErrorVB(const DbError& error, const QString& source);

// Whether `error`, raised by a connection with these errors, is the link to
// the server being lost.
bool linkLost(const ErrorVB& error, const Errors& errors);

}  // namespace db::ErrorMap
