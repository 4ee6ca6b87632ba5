#include "platform/db/ErrorMap.h"

#include <QHash>

namespace db::ErrorMap {

namespace {

struct Mapping {
    long number;
    long nativeError;
    const char* sqlState;
};

Mapping mappingOf(Situation situation)
{
    switch (situation) {
    case Situation::DuplicateKey: return {IntegrityViolation, DuplicateKeyNative, "23000"};
    case Situation::ConstraintConflict: return {IntegrityViolation, ConstraintConflictNative, "23000"};
    case Situation::NullNotAllowed: return {IntegrityViolation, NullNotAllowedNative, "23000"};
    case Situation::TextTooLong: return {DataTruncated, TextTooLongNative, "22001"};
    case Situation::WrongType: return {WrongType, WrongTypeNative, "22018"};
    case Situation::LinkLost: return {LinkLostNumber, LinkLostNative, "08S01"};
    case Situation::ServerNotFound: return {LinkLostNumber, ServerNotFoundNative, "08001"};
    case Situation::DatabaseNotFound: return {LinkLostNumber, DatabaseNotFoundNative, "42000"};
    case Situation::LoginFailed: return {LoginRefused, LoginFailedNative, "28000"};
    case Situation::MissingTable: return {NoSuchTable, MissingTableNative, "42S02"};
    case Situation::MissingColumn: return {ErrorsInCommand, MissingColumnNative, "42S22"};
    case Situation::SyntaxError: return {ErrorsInCommand, SyntaxErrorNative, "42000"};
    case Situation::Timeout: return {TimeoutExpired, 0, "HYT00"};
    case Situation::Locked: return {TimeoutExpired, 0, "HYT00"};  // how SQL Server gives up waiting for a lock
    case Situation::DiskFull: return {ErrorsInCommand, 0, "42000"};
    case Situation::Untranslatable: return {ErrorsInCommand, 0, "42000"};
    case Situation::StatementError: return {ErrorsInCommand, 0, "42000"};
    }
    return {ErrorsInCommand, 0, "42000"};
}

// What the operator can do something about, said before the engine's own text.
QString adviceOf(Situation situation)
{
    switch (situation) {
    case Situation::Locked: return "La base de datos está bloqueada por otro usuario. ";
    case Situation::LinkLost: return "Se perdió la conexión con el servidor. ";
    case Situation::DiskFull: return "El disco de la base de datos está lleno. ";
    case Situation::MissingTable: return "Falta una tabla en la base de datos. ";
    default: return {};
    }
}

const QHash<long, QString>& objectDescriptions()
{
    static const QHash<long, QString> descriptions{
        {ObjectClosed, "No se permite realizar la operación si el objeto está cerrado."},
        {ConnectionUnusable,
         "No se puede usar la conexión para realizar esta operación. Está cerrada o no es "
         "válida en este contexto."},
        {AlreadyOpen, "No se permite realizar la operación si el objeto está abierto."},
        {NotSupported,
         "El conjunto de registros actual no admite actualizaciones. Puede ser una limitación "
         "del proveedor o del tipo de bloqueo seleccionado."},
        {NoCurrentRecord,
         "BOF o EOF es True, o el registro actual se eliminó. La operación solicitada requiere "
         "un registro actual."},
        {ItemNotFound,
         "No se encontró el elemento en la colección que corresponde al nombre o al ordinal "
         "solicitado."},
        {NotAllowedWhileEditing, "No se permite la operación en este contexto."},
        {WrongType, "La aplicación usa un valor del tipo incorrecto para la operación actual."},
        {RowNotLocated,
         "No se encuentra la fila para actualizar. Puede que algunos valores se hayan modificado "
         "desde la última lectura."},
    };
    return descriptions;
}

}  // namespace

DbError toDbError(const EngineFailure& failure, Context context)
{
    const Mapping mapping = mappingOf(failure.situation);
    DbError error;
    error.Number = mapping.number;
    if (context == Context::RecordsetUpdate && failure.situation == Situation::DuplicateKey) {
        error.Number = DuplicateOnUpdate;
    }
    error.NativeError = mapping.nativeError != 0 ? mapping.nativeError : failure.nativeError;
    error.SQLState = failure.sqlState.isEmpty() ? QString(mapping.sqlState) : failure.sqlState;
    error.Description = adviceOf(failure.situation) + failure.description;
    return error;
}

ErrorVB objectError(long number, const QString& source)
{
    return ErrorVB(number, objectDescriptions().value(number), source);
}

ErrorVB toErrorVB(const DbError& error, const QString& source)
{
    return ErrorVB(error.Number, error.Description, source);
}

bool linkLost(const ErrorVB& error, const Errors& errors)
{
    return error.numero == LinkLostNumber && errors.Count() > 0 && errors.Item(0).Number == LinkLostNumber
           && errors.Item(0).NativeError == LinkLostNative;
}

}  // namespace db::ErrorMap
