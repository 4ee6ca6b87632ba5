#pragma once

#include <QString>

// What a long save shows while it runs, and where the operator may stop it.
// The model writes; whoever shows the progress implements this.
class AvanceGrabacion {
public:
    virtual ~AvanceGrabacion() = default;

    virtual void Empezar(const QString& titulo) = 0;
    // Called after each article written; false when the operator chose to stop.
    virtual bool Seguir(const QString& articulo) = 0;
    // Safe to call more than once.
    virtual void Terminar() = 0;
};
