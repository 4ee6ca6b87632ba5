#pragma once

#include "database/VentanaAcceso.h"

#include <QQueue>
#include <QVector>

#include <functional>

// The login window for tests: records what it was filled with and answers
// with the operator's queued actions (nothing queued: "Cancelar").
class ScriptedLogin : public VentanaAcceso {
public:
    using Action = std::function<bool(DatosAcceso&)>;

    void then(Action action) { actions_.enqueue(std::move(action)); }
    const QVector<DatosAcceso>& shown() const { return shown_; }

    bool Mostrar(DatosAcceso& datos) override
    {
        shown_.append(datos);
        return actions_.isEmpty() ? false : actions_.dequeue()(datos);
    }

private:
    QQueue<Action> actions_;
    QVector<DatosAcceso> shown_;
};
