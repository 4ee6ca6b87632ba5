#pragma once

#include "lookups/Dll_Display.h"
#include "session/ConsultasArranque.h"

// The lookups subsystem as the start-up sequence uses it.
class ArranqueConsultas : public ConsultasArranque {
public:
    void MostrarCartel(const QString& baseDatos, const QString& titulo, const QStringList& lineas) override;
    void CerrarCartel() override;
    void PrepararConsultas(const QString& connString) override;

private:
    Dll_Display cartel_;
};
