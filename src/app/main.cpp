#include "app/FinDeLaAplicacion.h"
#include "app/ModoImportacion.h"
#include "app/ModoVerificacion.h"
#include "codesearch/FrmPruebaBusqueda.h"
#include "database/DB_Dll.h"
#include "equivalences/FrmEquivalencias.h"
#include "lookups/ArranqueConsultas.h"
#include "lookups/ConsultaCamposMotor.h"
#include "lookups/LanzadorNuevo.h"
#include "platform/os/MemoryReuse.h"
#include "platform/os/System.h"
#include "platform/ui/QtDialogs.h"
#include "replication/ReplicaGrupo.h"
#include "services/LanzadorMenuExes.h"
#include "session/AparienciaVentanas.h"
#include "session/BasesDeDatos.h"
#include "session/OpcionesPrograma.h"
#include "session/ParametrosSesion.h"
#include "session/ServidoresDelPrograma.h"
#include "session/Sesion.h"
#include "session/VentanaAcceso.h"
#include "session/VerificaConexion.h"
#include "session/frmAcceso.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

namespace {

constexpr char kVerificar[] = "verificar";
constexpr char kFormato[] = "formato";

// The program's services, made and installed here and nowhere else; they go
// before the application object does, since some of them are windows. The
// desktop is its default. Those that reach the company database are handed it.
struct Servicios {
    explicit Servicios(DB_Dll& empresa)
    {
        Service<ProgramEnd>::install(std::make_unique<FinDeLaAplicacion>());
        Service<Dialogs>::install(std::make_unique<QtDialogs>());
        Service<VentanaAcceso>::install(crearVentanaAcceso());
        Service<ConsultasArranque>::install(std::make_unique<ArranqueConsultas>());
        Service<LanzadorNuevo>::install(std::make_unique<LanzadorMenuExes>(empresa));
        Service<Replicacion>::install(std::make_unique<ReplicaGrupo>(empresa));
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

// "equivalencias --importar ARCHIVO <command line>" imports a spreadsheet without a window.
constexpr char kImportar[] = "importar";

// "equivalencias --busqueda-codigo <command line>" signs in as the program
// does and opens the window that tries the code search box instead.
constexpr char kPruebaBusqueda[] = "busqueda-codigo";

// The program's options. The suite's command line is the positional argument;
// given in pieces, they are joined by blanks, and after its first piece
// nothing is taken for an option.
void DefinirOpciones(QCommandLineParser& opciones)
{
    opciones.setApplicationDescription(
        "Actualización de Equivalencias: las equivalencias entre unidades de medida de los artículos de la empresa.\n"
        "Sin línea de la suite, pide la conexión en la ventana \"Control de Acceso\".");
    AgregarAyudaYVersion(opciones);
    opciones.addOption({kVerificar,
                        "Verifica las equivalencias sin ventana: escribe los hallazgos en la salida y termina con 0 "
                        "si no hay ninguno, 1 si los hay y 2 si no pudo verificar."});
    opciones.addOption(
        {kFormato, "Formato de los hallazgos de --verificar: " + FormatosDeSalida().join(", ") + " (tsv si se omite).",
         "formato", FormatosDeSalida().first()});
    opciones.addOption({kImportar,
                        "Importa sin ventana las equivalencias de una planilla .xlsx o .csv (artículo, unidad, "
                        "unidad equivalente, coeficiente y, si se quiere, S para genérica); deja las filas rechazadas "
                        "junto al archivo y termina con 0 si importó todas, 1 si rechazó alguna y 2 si no pudo "
                        "importar.",
                        "archivo"});
    opciones.addOption({kPruebaBusqueda, "Abre la ventana que prueba el cuadro de búsqueda de códigos."});
    opciones.addPositionalArgument("linea",
                                   "La línea de la suite, por ejemplo \"; @server=LOCAL; @dbname=EMPRESA_DEMO; "
                                   "@usuario=ADMIN; @Password=quro; @UsuarioLogeado = ADMIN; @Caja=1;\".",
                                   "[linea]");
    opciones.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
}

QString RevisarOpciones(const QCommandLineParser& opciones)
{
    if (FormatoDeSalida(opciones.value(kFormato))) return {};
    return "Formato desconocido: '" + opciones.value(kFormato) + "'; se admite " + FormatosDeSalida().join(", ") + ".";
}

// Without a window, as from cron: no display is needed, and Qt gets a folder
// of its own for run-time files instead of warning on each run that the
// session has none. The folder goes when the program ends.
std::unique_ptr<QTemporaryDir> PrepararSinPantalla()
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")) return nullptr;
    auto carpeta = std::make_unique<QTemporaryDir>();
    if (carpeta->isValid()) qputenv("XDG_RUNTIME_DIR", QFile::encodeName(carpeta->path()));
    return carpeta;
}

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

int PruebaBusqueda(const DB_Dll& empresa)
{
    QString conexion;
    if (!VerificaConexion(false, {}, conexion, db::ado::adUseClient)) return kFinDelInicio;
    DB_Dll baseBusqueda;
    FrmPruebaBusqueda ventana(baseBusqueda, empresa.gConnString, gSesion().gUsuarioLogeado, empresa.gDBName);
    return Ejecutar(ventana);
}

}  // namespace

int main(int argc, char* argv[])
{
    os::keepFreedMemoryForReuse();
    const QStringList argumentos = ArgumentosDelProceso(argc, argv);
    QCommandLineParser opciones;
    DefinirOpciones(opciones);
    if (SoloConsola(opciones, argumentos, RevisarOpciones)) {
        QCoreApplication consola(argc, argv);
        return ResponderEnConsola(opciones, argumentos, RevisarOpciones);
    }
    const QString linea = opciones.positionalArguments().join(u' ');
    const bool verificar = opciones.isSet(kVerificar);
    const bool importar = opciones.isSet(kImportar);
    const std::unique_ptr<QTemporaryDir> carpetaDeEjecucion = verificar || importar ? PrepararSinPantalla() : nullptr;
    QApplication app(argc, argv);
    QApplication::setApplicationName("Equivalencias");
    AsignarIconoPrograma();
    // Installed, the program writes its files in the user's own folder,
    // which the first start makes from the package's templates.
    os::prepareProgramFolder(os::programFolder(), os::templateFolderFor(os::executableFolder()));
    Service<db::ServerDirectory>::install(std::make_unique<ServidoresDelPrograma>());
    BasesDeDatos bases;
    if (verificar) return VerificarDesdeConsola(bases.empresa, linea, *FormatoDeSalida(opciones.value(kFormato)));
    if (importar) return ImportarDesdeConsola(bases.empresa, opciones.value(kImportar), linea);
    FijarLineaComandoProceso(linea);
    const Servicios servicios(bases.empresa);
    if (opciones.isSet(kPruebaBusqueda)) return PruebaBusqueda(bases.empresa);

    FrmEquivalencias ventana(bases.empresa, Service<Replicacion>::get());
    QObject::connect(&ventana, &FrmEquivalencias::Descargada, &app, &QApplication::quit);
    if (!ventana.Form_Load()) return kFinDelInicio;
    return Ejecutar(ventana);
}
