#include "app/FinDeLaAplicacion.h"
#include "app/ModoVerificacion.h"
#include "codesearch/FrmPruebaBusqueda.h"
#include "database/DB_Dll.h"
#include "session/VentanaAcceso.h"
#include "equivalences/FrmEquivalencias.h"
#include "lookups/ArranqueConsultas.h"
#include "lookups/ConsultaCamposMotor.h"
#include "lookups/LanzadorNuevo.h"
#include "platform/os/MemoryReuse.h"
#include "platform/os/System.h"
#include "platform/ui/QtDialogs.h"
#include "replication/ReplicaGrupo.h"
#include "services/LanzadorMenuExes.h"
#include "session/BasesDeDatos.h"
#include "session/ParametrosSesion.h"
#include "session/Sesion.h"
#include "session/VerificaConexion.h"
#include "session/frmAcceso.h"

#include <QApplication>

namespace {

constexpr char kVerificar[] = "--verificar";

// The program's services, made and installed here and nowhere else; they go
// before the application object does, since some of them are windows. The
// desktop is its default.
struct Servicios {
    Servicios()
    {
        Service<ProgramEnd>::install(std::make_unique<FinDeLaAplicacion>());
        Service<Dialogs>::install(std::make_unique<QtDialogs>());
        Service<VentanaAcceso>::install(crearVentanaAcceso());
        Service<ConsultasArranque>::install(std::make_unique<ArranqueConsultas>());
        Service<LanzadorNuevo>::install(std::make_unique<LanzadorMenuExes>());
        Service<Replicacion>::install(std::make_unique<ReplicaGrupo>());
        Service<ConsultaCampos>::install(std::make_unique<ConsultaCamposMotor>());
    }
    ~Servicios()
    {
        Service<ConsultaCampos>::install(nullptr);
        Service<Replicacion>::install(nullptr);
        Service<LanzadorNuevo>::install(nullptr);
        Service<ConsultasArranque>::install(nullptr);
        Service<VentanaAcceso>::install(nullptr);
        Service<Dialogs>::install(nullptr);
        Service<ProgramEnd>::install(nullptr);
    }
    Servicios(const Servicios&) = delete;
    Servicios& operator=(const Servicios&) = delete;
};

// "equivalencias --busqueda-codigo <command line>" signs in as the program
// does and opens the window that tries the code search box instead.
constexpr char kPruebaBusqueda[] = "--busqueda-codigo";

// The status of a program whose start-up gave up, or was asked to end.
constexpr int kFinDelInicio = 0;

// The window's loop until it is closed, or until the end of the program is
// asked for, whose status then holds.
int Ejecutar(QWidget& ventana)
{
    if (programEndRequested()) return *Service<ProgramEnd>::get().requested();
    ventana.show();
    const int estado = QApplication::exec();
    return Service<ProgramEnd>::get().requested().value_or(estado);
}

int PruebaBusqueda()
{
    QString conexion;
    if (!VerificaConexion(false, {}, conexion, db::ado::adUseClient)) return kFinDelInicio;
    DB_Dll baseBusqueda;
    FrmPruebaBusqueda ventana(baseBusqueda, gBaseDatos().gConnString, gSesion().gUsuarioLogeado, gBaseDatos().gDBName);
    return Ejecutar(ventana);
}

}  // namespace

int main(int argc, char* argv[])
{
    os::keepFreedMemoryForReuse();
    const bool verificar = argc > 1 && qstrcmp(argv[1], kVerificar) == 0;
    // The check shows no window, so it runs where there is no display too.
    if (verificar && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName("Equivalencias");
    QStringList argumentos = QApplication::arguments().mid(1);
    // Installed, the program writes its files in the user's own folder,
    // which the first start makes from the package's templates.
    os::prepareProgramFolder(os::programFolder(), os::templateFolderFor(os::executableFolder()));
    if (verificar) return VerificarDesdeConsola(argumentos.mid(1).join(u' '));
    const bool pruebaBusqueda = !argumentos.isEmpty() && argumentos.first() == kPruebaBusqueda;
    if (pruebaBusqueda) argumentos.removeFirst();
    FijarLineaComandoProceso(argumentos.join(u' '));
    const Servicios servicios;
    if (pruebaBusqueda) return PruebaBusqueda();

    FrmEquivalencias ventana;
    QObject::connect(&ventana, &FrmEquivalencias::Descargada, &app, &QApplication::quit);
    if (!ventana.Form_Load()) return kFinDelInicio;
    return Ejecutar(ventana);
}
