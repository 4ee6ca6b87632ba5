// Time per CartelMostrar call over a long loop, as the generic save calls it
// once per article, against the bare event pumping every call includes.
#include "Comprobacion.h"
#include "lookups/Dll_Display.h"
#include "lookups/LineaCartel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QStringList>
#include <QTextStream>

#include <cstdlib>
#include <functional>

namespace {

constexpr int kLlamadas = 100000;

double microsegundosPorLlamada(const std::function<void(int)>& llamada)
{
    QElapsedTimer reloj;
    reloj.start();
    for (int i = 0; i < kLlamadas; ++i) llamada(i);
    return reloj.nsecsElapsed() / 1e3 / kLlamadas;
}

QStringList descripciones()
{
    QStringList textos;
    textos.reserve(kLlamadas);
    for (int i = 0; i < kLlamadas; ++i) textos.append(QString("ARTICULO DE PRUEBA NUMERO %1").arg(i));
    return textos;
}

// Whether a line of an open banner shows the text.
bool muestra(const QString& texto)
{
    for (QWidget* ventana : QApplication::topLevelWidgets()) {
        for (const LineaCartel* linea : ventana->findChildren<LineaCartel*>())
            if (ventana->isVisible() && linea->text() == texto) return true;
    }
    return false;
}

}  // namespace

int main(int argc, char* argv[])
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    const QStringList textos = descripciones();

    Dll_Display cartel;
    cartel.CartelInicio("Actualizando Datos", true);
    bool cancelado = false;
    cartel.CartelMostrar(cancelado, "Preparando");

    const double soloEventos = microsegundosPorLlamada([](int) { QCoreApplication::processEvents(); });
    const double mismoTexto = microsegundosPorLlamada([&](int) { cartel.CartelMostrar(cancelado, textos.front()); });
    const double textoNuevo = microsegundosPorLlamada([&](int i) { cartel.CartelMostrar(cancelado, textos[i]); });
    exigir(muestra(textos.back()), "the banner does not show the last line it was given");
    cartel.CartelCerrar();

    QTextStream salida(stdout);
    salida << "processEvents alone:              " << soloEventos << " us per call\n";
    salida << "CartelMostrar, same line:         " << mismoTexto << " us per call\n";
    salida << "CartelMostrar, new line each call: " << textoNuevo << " us per call (" << kLlamadas << " calls)\n";
    return 0;
}
