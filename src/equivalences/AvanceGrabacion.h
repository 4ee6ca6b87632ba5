#pragma once

#include <QString>

// What a long save shows while it runs, and where the operator may stop it.
// The model writes; whoever shows the progress implements this. After each
// article the model shows it and, when the operator has asked to stop,
// commits what it wrote before the question is put.
class AvanceGrabacion {
public:
    virtual ~AvanceGrabacion() = default;

    virtual void Empezar(const QString& titulo) = 0;
    // Shows the article just written; the operator may ask to stop meanwhile.
    virtual void Mostrar(const QString& articulo) = 0;
    // The operator asked to stop and has not been asked yet whether to.
    virtual bool CancelacionPendiente() const = 0;
    // Asks about a pending stop; false when the operator chose to stop.
    virtual bool Seguir() = 0;
    // Safe to call more than once.
    virtual void Terminar() = 0;
};
