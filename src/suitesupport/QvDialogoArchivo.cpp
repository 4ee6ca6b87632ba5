#include "suitesupport/QvDialogoArchivo.h"

#include "platform/ui/Dialogs.h"

bool QvDialogoArchivo::Mostrar()
{
    const auto elegido = Service<Dialogs>::get().openFile(titulo_, filtro_);
    cancelado_ = !elegido.has_value();
    nombreArchivo_ = elegido.value_or(QString());
    return !cancelado_;
}
