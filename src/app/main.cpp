#include "database/VentanaAcceso.h"
#include "database/frmReconectar.h"
#include "equivalences/FrmEquivalencias.h"
#include "lookups/ArranqueConsultas.h"
#include "lookups/ConsultaCamposMotor.h"
#include "lookups/LanzadorNuevo.h"
#include "platform/ui/QtDialogs.h"
#include "services/LanzadorMenuExes.h"
#include "session/ParametrosSesion.h"
#include "session/frmAcceso.h"

#include <QApplication>

namespace {

// The program's services, made and installed here and nowhere else; they go
// before the application object does, since some of them are windows. The
// desktop, the ending of the process and the replication are their defaults.
struct Servicios {
    Servicios()
    {
        Service<Dialogs>::install(std::make_unique<QtDialogs>());
        Service<VentanaAcceso>::install(crearVentanaAcceso());
        Service<VentanaReconexion>::install(std::make_unique<frmReconectar>());
        Service<ConsultasArranque>::install(std::make_unique<ArranqueConsultas>());
        Service<LanzadorNuevo>::install(std::make_unique<LanzadorMenuExes>());
        Service<ConsultaCampos>::install(std::make_unique<ConsultaCamposMotor>());
    }
    ~Servicios()
    {
        Service<ConsultaCampos>::install(nullptr);
        Service<LanzadorNuevo>::install(nullptr);
        Service<ConsultasArranque>::install(nullptr);
        Service<VentanaReconexion>::install(nullptr);
        Service<VentanaAcceso>::install(nullptr);
        Service<Dialogs>::install(nullptr);
    }
    Servicios(const Servicios&) = delete;
    Servicios& operator=(const Servicios&) = delete;
};

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Equivalencias");
    FijarLineaComandoProceso(QApplication::arguments().mid(1).join(u' '));
    const Servicios servicios;

    FrmEquivalencias ventana;
    ventana.Form_Load();
    ventana.show();
    return QApplication::exec();
}
