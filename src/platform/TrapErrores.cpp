#include "platform/TrapErrores.h"

#include "platform/MessageBoxCodes.h"

Respuesta RespuestaDelBoton(int boton)
{
    switch (boton) {
    case vb::vbRetry: return Respuesta::Reintentar;
    case vb::vbIgnore: return Respuesta::Seguir;
    default: return Respuesta::Salir;
    }
}

TrapErrores::TrapErrores(QString rutina, Tratamiento tratamiento)
    : rutina_(std::move(rutina)), tratamiento_(std::move(tratamiento))
{
}

TrapErrores TrapErrores::silencioso() { return TrapErrores({}, {}); }

bool TrapErrores::paso(const std::function<void()>& accion)
{
    for (;;) {
        try {
            accion();
            return true;
        } catch (const ErrorVB& error) {
            ultimoError_ = error;
            ultimaRespuesta_ = tratamiento_ ? tratamiento_(error, rutina_) : Respuesta::Seguir;
            if (ultimaRespuesta_ == Respuesta::Reintentar) continue;
            return ultimaRespuesta_ == Respuesta::Seguir;
        }
    }
}
