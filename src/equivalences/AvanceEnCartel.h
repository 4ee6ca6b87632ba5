#pragma once

#include "equivalences/AvanceGrabacion.h"
#include "lookups/Dll_Display.h"

// The progress of a generic save on the banner, with its cancel button: a
// press is confirmed with the operator before the save stops.
class AvanceEnCartel : public AvanceGrabacion {
public:
    // The banner takes the look of the database `baseDatos`.
    explicit AvanceEnCartel(const QString& baseDatos) { cartel_.setBaseDatos(baseDatos); }

    void Empezar(const QString& titulo) override;
    void Mostrar(const QString& articulo) override;
    bool CancelacionPendiente() const override { return cancelado_; }
    bool Seguir() override;
    void Terminar() override;

private:
    Dll_Display cartel_;
    bool cancelado_ = false;
};
