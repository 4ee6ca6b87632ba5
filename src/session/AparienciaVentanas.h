#pragma once

#include <QString>

class QIcon;
class QWidget;

// What the start-up gives the suite's windows: their icon and command-bar style.

// The program's icon (the bare file "veltrix.ico" when the icon resource
// cannot be had) and, on any window but the suite's menu, the command-bar
// style gFlatToolbars on the bars that take one. Failures are skipped.
void AsignarIconoFormulario(QWidget& Formulario);

// The program's icon, the bare file "veltrix.ico" when the icon resource cannot be had.
QIcon IconoPrograma();
// Every window the program opens shows the program's icon unless it sets its own.
void AsignarIconoPrograma();
