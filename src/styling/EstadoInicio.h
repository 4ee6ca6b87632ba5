#pragma once

#include <QString>

// Shows a start-up status on the suite's splash ("frmSplash") and menu
// ("frmMDI") windows when they are open; "..." for a blank text.
void MostrarEstadoInicio(const QString& Texto, bool HacerEventos);
