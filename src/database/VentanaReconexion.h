#pragma once

#include "platform/Service.h"

#include <QString>

// The small window the database class shows while it keeps trying to reach
// the server; installed as a Service. Without one the attempts are made all
// the same, with nothing shown and nothing to press.
class VentanaReconexion {
public:
    virtual ~VentanaReconexion() = default;

    // A new series of attempts for `rutina` on the database `baseDatos`:
    // both buttons unpressed, no progress yet, shown without blocking.
    virtual void Empezar(const QString& rutina, const QString& baseDatos) = 0;
    // The share of the series done; retrying by hand is offered on the last attempt.
    virtual void Avanzar(int porcentaje, bool ultimoIntento) = 0;
    virtual bool Cancelar() const = 0;
    virtual bool Reintentar() const = 0;
    virtual void Ocultar() = 0;
};
