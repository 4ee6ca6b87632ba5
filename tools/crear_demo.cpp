#include "DatosDemo.h"

#include "platform/ErrorVB.h"
#include "platform/os/System.h"
#include "session/OpcionesPrograma.h"
#include "suitesupport/QvFunciones.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

namespace {

constexpr char kCarpeta[] = "carpeta";
constexpr char kArticulos[] = "articulos";
constexpr char kReemplazar[] = "reemplazar";
constexpr char kServidor[] = "servidor";
constexpr char kAdministrador[] = "administrador";
constexpr char kCodificarClave[] = "codificar-clave";
// As psql does: the administrator is PGUSER (postgres without it), and its
// password is PGPASSWORD, never on the command line, where others could read it.
constexpr char kVariableUsuario[] = "PGUSER";
constexpr char kVariableClave[] = "PGPASSWORD";
constexpr char kAdministradorPorOmision[] = "postgres";

void DefinirOpciones(QCommandLineParser& opciones)
{
    opciones.setApplicationDescription(
        "Crea la empresa de demostración EMPRESA_DEMO, sus puntos de venta TPV01_DEMO y TPV02_DEMO y la base\n"
        "VX_ESTADISTICAS, y registra la conexión en BASES.TXT. Sin --servidor, en archivos SQLite del servidor LOCAL.");
    AgregarAyudaYVersion(opciones);
    opciones.addOption({kCarpeta, "Carpeta del programa; sin ella, la del programa instalado junto a este.", "carpeta",
                        os::programFolder()});
    opciones.addOption({kArticulos, "Cantidad de artículos de la empresa.", "n", "3000"});
    opciones.addOption({kReemplazar, "Vuelve a crear las bases que ya existen."});
    opciones.addOption({kServidor,
                        "Crea las bases en este servidor de servidores.ini, con motor=odbc (PostgreSQL), cada una "
                        "con su usuario de igual nombre y clave.",
                        "nombre"});
    opciones.addOption({kAdministrador,
                        "Usuario del servidor que crea usuarios y bases (el de " + QString(kVariableUsuario) + ", o "
                            + kAdministradorPorOmision + "); su clave se toma de " + kVariableClave + ".",
                        "usuario", qEnvironmentVariable(kVariableUsuario, kAdministradorPorOmision)});
    opciones.addOption({kCodificarClave,
                        "Lee una clave de la entrada, escribe cómo la guarda la tabla TA_USUARIOS y termina, sin crear "
                        "nada."});
}

QString RevisarOpciones(const QCommandLineParser& opciones)
{
    bool numero = false;
    if (opciones.value(kArticulos).toInt(&numero) <= 0 || !numero)
        return "--articulos espera un número mayor que cero, no '" + opciones.value(kArticulos) + "'.";
    return {};
}

}  // namespace

// crear-demo [--carpeta <program folder>] [--articulos N] [--reemplazar] [--servidor NOMBRE]
// Without --carpeta, the demo goes where the program beside it keeps its files.
int main(int argc, char* argv[])
{
    const QStringList argumentos = ArgumentosDelProceso(argc, argv);
    QCoreApplication app(argc, argv);
    QCommandLineParser opciones;
    DefinirOpciones(opciones);
    if (SoloConsola(opciones, argumentos, RevisarOpciones))
        return ResponderEnConsola(opciones, argumentos, RevisarOpciones);

    QTextStream salida(stdout);
    if (opciones.isSet(kCodificarClave)) {
        salida << QvFunciones::Encriptar(QTextStream(stdin).readLine()) << '\n';
        return 0;
    }
    OpcionesDemo demo;
    demo.carpeta = opciones.value(kCarpeta);
    demo.articulos = opciones.value(kArticulos).toInt();
    demo.reemplazar = opciones.isSet(kReemplazar);
    demo.servidor = opciones.value(kServidor);
    demo.administrador = opciones.value(kAdministrador);
    demo.claveAdministrador = qEnvironmentVariable(kVariableClave);
    os::prepareProgramFolder(demo.carpeta, os::templateFolderFor(os::executableFolder()));
    try {
        const int escritas = crearDatosDemo(demo);
        const QString donde = demo.servidor.isEmpty() ? demo.carpeta : "el servidor " + demo.servidor;
        if (escritas > 0) salida << "Bases de demostración creadas en " << donde << ": " << escritas << "\n";
        return 0;
    } catch (const ErrorVB& error) {
        AvisarEnConsola(error.descripcion);
        return 1;
    }
}
