#include "equivalences/AvanceEnCartel.h"

#include "platform/ui/Dialogs.h"

void AvanceEnCartel::Empezar(const QString& titulo) { cartel_.CartelInicio(titulo, true); }

bool AvanceEnCartel::Seguir(const QString& articulo)
{
    bool cancelado = false;
    cartel_.CartelMostrar(cancelado, Variant(articulo));
    if (!cancelado) return true;
    if (MsgBox("-Desea cancelar la grabacion?.", vb::vbQuestion + vb::vbYesNo + vb::vbDefaultButton2, "Atención")
        == vb::vbYes) {
        return false;
    }
    cartel_.CartelReanudar();
    return true;
}

void AvanceEnCartel::Terminar() { cartel_.CartelCerrar(); }
