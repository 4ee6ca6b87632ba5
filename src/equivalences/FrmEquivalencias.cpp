#include "equivalences/FrmEquivalencias.h"

FrmEquivalencias::FrmEquivalencias(QWidget* parent) : QWidget(parent)
{
    setWindowTitle(QStringLiteral("Actualización de Equivalencias"));
    resize(900, 600);
}
