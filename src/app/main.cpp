#include "equivalences/FrmEquivalencias.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    FrmEquivalencias ventana;
    ventana.show();
    return QApplication::exec();
}
