#pragma once

#include "session/Sesion.h"
#include "session/VentanaAcceso.h"

#include <QQueue>
#include <QVector>

#include <functional>

// The login window for tests: records what it was filled with and answers
// with the operator's queued actions (nothing queued: "Cancelar"). Accepting
// signs in the user typed, as the real window's "Conectar" does.
class ScriptedLogin : public VentanaAcceso {
public:
    using Action = std::function<bool(DatosAcceso&)>;

    void then(Action action) { actions_.enqueue(std::move(action)); }
    const QVector<DatosAcceso>& shown() const { return shown_; }

    bool Mostrar(DatosAcceso& datos) override
    {
        shown_.append(datos);
        if (actions_.isEmpty() || !actions_.dequeue()(datos)) return false;
        gSesion().gUsuarioLogeado = datos.usuario;
        gSesion().gPasswordUsuario = datos.password;
        return true;
    }

private:
    QQueue<Action> actions_;
    QVector<DatosAcceso> shown_;
};
