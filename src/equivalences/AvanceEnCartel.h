#pragma once

#include "equivalences/AvanceGrabacion.h"
#include "lookups/Dll_Display.h"

// The progress of a generic save on the banner, the last article written,
// "n de N" and a bar, with its cancel button: a press is confirmed with the
// operator before the save stops.
class AvanceEnCartel : public AvanceGrabacion {
public:
    // The banner takes the look of the database `baseDatos`.
    explicit AvanceEnCartel(const QString& baseDatos) { cartel_.setBaseDatos(baseDatos); }

    void Empezar(const QString& titulo) override;
    void Mostrar(const QString& articulo, qsizetype hecho, qsizetype total) override;
    bool Seguir() override;
    void Terminar() override;

private:
    Dll_Display cartel_;
    bool cancelado_ = false;
};
