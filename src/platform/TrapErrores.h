#pragma once

#include "platform/ErrorVB.h"
#include "platform/ui/Dialogs.h"

#include <functional>
#include <optional>

// Runs the steps of a routine that traps its own errors. A step that throws
// ErrorVB goes to the routine's error treatment: answer 4 repeats the step,
// 5 goes on with the next one, anything else tells the routine to leave.
//
//   TrapErrores trap("Cfg", TratamientoErrores);
//   if (!trap.paso([&] { ... })) return {};
class TrapErrores {
public:
    // The answers of the error dialog that a routine acts on; any other
    // answer (0 when nothing was shown) leaves the routine.
    enum Respuesta : int { Abortar = vb::vbAbort, Reintentar = vb::vbRetry, Ignorar = vb::vbIgnore };

    using Tratamiento = std::function<int(const ErrorVB& error, const QString& rutina)>;

    TrapErrores(QString rutina, Tratamiento tratamiento);

    // For routines that skip failing steps without a word.
    static TrapErrores silencioso();

    // True when the routine goes on with its next step.
    [[nodiscard]] bool paso(const std::function<void()>& accion);

    // The last failure seen, and what the operator answered to it.
    const std::optional<ErrorVB>& ultimoError() const { return ultimoError_; }
    int ultimaRespuesta() const { return ultimaRespuesta_; }

private:
    QString rutina_;
    Tratamiento tratamiento_;
    std::optional<ErrorVB> ultimoError_;
    int ultimaRespuesta_ = 0;
};
