#pragma once

#include <QString>

// What a long save shows while it runs, and where the operator may stop it.
// The model writes; whoever shows the progress implements this. After each
// stretch of articles, committed, the model shows how far it is and asks
// whether to go on.
class AvanceGrabacion {
public:
    virtual ~AvanceGrabacion() = default;

    virtual void Empezar(const QString& titulo) = 0;
    // Shows the last article written, the `hecho`-th of `total`; the
    // operator may ask to stop meanwhile.
    virtual void Mostrar(const QString& articulo, qsizetype hecho, qsizetype total) = 0;
    // Asks about a pending stop; false when the operator chose to stop.
    virtual bool Seguir() = 0;
    // Safe to call more than once.
    virtual void Terminar() = 0;
};
