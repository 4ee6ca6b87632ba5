#include "DatosDemo.h"

#include "platform/ErrorVB.h"
#include "platform/os/System.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

// crear-demo [--carpeta <program folder>] [--articulos N] [--reemplazar]
// Without --carpeta, the demo goes where the program beside it keeps its files.
int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription("Crea las bases de datos de demostración de Equivalencias.");
    parser.addHelpOption();
    parser.addOption({"carpeta", "Carpeta del programa; sin ella, la del programa instalado junto a este.", "carpeta",
                      os::programFolder()});
    parser.addOption({"articulos", "Cantidad de artículos de la empresa.", "n", "3000"});
    parser.addOption({"reemplazar", "Vuelve a crear las bases que ya existen."});
    parser.process(app);

    OpcionesDemo opciones;
    opciones.carpeta = parser.value("carpeta");
    opciones.articulos = parser.value("articulos").toInt();
    opciones.reemplazar = parser.isSet("reemplazar");
    os::prepareProgramFolder(opciones.carpeta, os::templateFolderFor(os::executableFolder()));
    QTextStream salida(stdout);
    try {
        const int escritas = crearDatosDemo(opciones);
        if (escritas > 0) salida << "Bases de demostración creadas en " << opciones.carpeta << ": " << escritas << "\n";
        return 0;
    } catch (const ErrorVB& error) {
        QTextStream(stderr) << "crear-demo: " << error.descripcion << "\n";
        return 1;
    }
}
