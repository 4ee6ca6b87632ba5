#pragma once

#include "equivalences/AvanceGrabacion.h"
#include "lookups/Dll_Display.h"

// The progress of a generic save on the banner, with its cancel button: a
// press is confirmed with the operator before the save stops.
class AvanceEnCartel : public AvanceGrabacion {
public:
    void Empezar(const QString& titulo) override;
    bool Seguir(const QString& articulo) override;
    void Terminar() override;

private:
    Dll_Display cartel_;
};
