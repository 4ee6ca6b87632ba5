#include "platform/TrapErrores.h"

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
            if (!tratamiento_) {
                ultimaRespuesta_ = Ignorar;
                return true;
            }
            ultimaRespuesta_ = tratamiento_(error, rutina_);
            if (ultimaRespuesta_ == Reintentar) continue;
            return ultimaRespuesta_ == Ignorar;
        }
    }
}
