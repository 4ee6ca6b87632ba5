#include "database/VentanaAcceso.h"
#include "equivalences/FrmEquivalencias.h"
#include "lookups/LanzadorNuevo.h"
#include "services/LanzadorMenuExes.h"
#include "session/ParametrosSesion.h"
#include "session/frmAcceso.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Equivalencias");
    FijarLineaComandoProceso(QApplication::arguments().mid(1).join(u' '));
    instalarVentanaAcceso(crearVentanaAcceso());
    instalarLanzadorNuevo(std::make_unique<LanzadorMenuExes>());

    FrmEquivalencias ventana;
    ventana.Form_Load();
    ventana.show();
    return QApplication::exec();
}
