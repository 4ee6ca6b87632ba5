#pragma once

#include "platform/ErrorVB.h"

#include <functional>
#include <optional>

// What a routine does after one of its steps failed, as its error treatment
// answers: run the step again, go on with the next one, or leave the routine.
// Every treatment answers with it; the error dialogs' buttons Reintentar and
// Ignorar stand for the first two, any other button for leaving.
enum class Respuesta { Reintentar, Seguir, Salir };

// The answer a button of an error dialog stands for (4 Reintentar, 5 Ignorar).
Respuesta RespuestaDelBoton(int boton);

// Runs the steps of a routine that traps its own errors. A step that throws
// ErrorVB goes to the routine's error treatment, which answers what to do.
//
//   TrapErrores trap("Cfg", TratamientoDeRutina);
//   if (!trap.paso([&] { ... })) return {};
class TrapErrores {
public:
    using Tratamiento = std::function<Respuesta(const ErrorVB& error, const QString& rutina)>;

    TrapErrores(QString rutina, Tratamiento tratamiento);

    // For routines that skip failing steps without a word.
    static TrapErrores silencioso();

    // True when the routine goes on with its next step.
    [[nodiscard]] bool paso(const std::function<void()>& accion);

    // The last failure seen, and what the treatment answered to it.
    const std::optional<ErrorVB>& ultimoError() const { return ultimoError_; }
    std::optional<Respuesta> ultimaRespuesta() const { return ultimaRespuesta_; }

private:
    QString rutina_;
    Tratamiento tratamiento_;
    std::optional<ErrorVB> ultimoError_;
    std::optional<Respuesta> ultimaRespuesta_;
};
