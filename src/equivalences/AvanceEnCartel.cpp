#include "equivalences/AvanceEnCartel.h"

#include "platform/ui/Dialogs.h"

void AvanceEnCartel::Empezar(const QString& titulo)
{
    cancelado_ = false;
    cartel_.CartelInicio(titulo, true);
}

void AvanceEnCartel::Mostrar(const QString& articulo, qsizetype hecho, qsizetype total)
{
    cartel_.CartelAvance(hecho, total);
    cartel_.CartelMostrar(cancelado_, Variant(articulo), Variant(QString("%1 de %2").arg(hecho).arg(total)));
}

bool AvanceEnCartel::Seguir()
{
    if (!cancelado_) return true;
    if (MsgBox("-Desea cancelar la grabacion?.", vb::vbQuestion + vb::vbYesNo + vb::vbDefaultButton2, "Atención")
        == vb::vbYes) {
        return false;
    }
    cancelado_ = false;
    cartel_.CartelReanudar();
    return true;
}

void AvanceEnCartel::Terminar() { cartel_.CartelCerrar(); }
