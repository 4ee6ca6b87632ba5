#pragma once

#include "platform/Service.h"

#include <QString>

#include <memory>

// The lookup a code field opens: the list of the table its Tag names, from
// which the operator picks a code. Installed as a Service; none until the
// lookup windows are set up.
class ConsultaCampos {
public:
    virtual ~ConsultaCampos() = default;
    // The chosen code; empty when the lookup was left without a choice.
    virtual QString Consultar(const QString& tabla, const QString& textoActual) = 0;
};
