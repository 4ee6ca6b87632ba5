#pragma once

#include "platform/ErrorVB.h"
#include "platform/MessageBoxCodes.h"

#include <QString>

// Abort, Retry and Ignore buttons with the critical-error icon.
inline constexpr int kBotonesTratamiento = vb::vbAbortRetryIgnore + vb::vbCritical;
inline constexpr char kArchivoLogErrores[] = "VXERR.LOG";

// Shows the error to the operator, appends one line to the error log VXERR.LOG
// in the temporary folder and returns the button pressed (4 retry, 5 ignore,
// 3 abort, ...); 0, with nothing shown or written, when no error is pending.
int TratamientoErrores(const ErrorVB& CodErr, int Botones = kBotonesTratamiento, const QString& Rutina = {});

// The database class's copy of the same treatment: its title ends "- 5", its
// log names the answers with accents, and the log is `ArchivoErrores` or, when
// that is empty, VXERR.LOG in the program folder.
int TratamientoErroresBaseDatos(const ErrorVB& CodErr, int Botones, const QString& Rutina,
                                const QString& ArchivoErrores);
