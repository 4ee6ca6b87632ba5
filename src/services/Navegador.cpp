#include "services/Navegador.h"

#include "platform/VbText.h"
#include "platform/os/Desktop.h"
#include "services/TextoURL.h"

#include <QProcess>
#include <QStandardPaths>

namespace {

constexpr QLatin1String kComandoEdge("msedge ");

QString ArgumentosDelComando(const QString& programa)
{
    const QString comando = vb::Trim(programa);
    return comando.startsWith(kComandoEdge, Qt::CaseInsensitive) ? vb::Trim(comando.mid(kComandoEdge.size()))
                                                                 : QString();
}

// The address a default browser can show in Edge's place: the app address,
// else the first argument that is not an option.
QString DireccionDeArgumentos(const QString& argumentos)
{
    const QString app = UrlDeModoApp(argumentos);
    if (!app.isEmpty()) return app;
    for (const QString& argumento : QProcess::splitCommand(argumentos)) {
        if (!argumento.startsWith(u'-')) return argumento;
    }
    return {};
}

bool AbrirEnNavegadorPredeterminado(const QString& direccion)
{
    return !direccion.isEmpty() && Service<Desktop>::get().openDocument(direccion);
}

}  // namespace

QString RutaEdge()
{
    for (const char* nombre : {"microsoft-edge", "microsoft-edge-stable"}) {
        const QString ruta = QStandardPaths::findExecutable(nombre);
        if (!ruta.isEmpty()) return ruta;
    }
    return {};
}

bool AbrirEnEdge(const QString& Programa)
{
    const QString argumentos = ArgumentosDelComando(Programa);
    const QString edge = RutaEdge();
    if (edge.isEmpty()) return AbrirEnNavegadorPredeterminado(DireccionDeArgumentos(argumentos));
    return Service<Desktop>::get().startProgram(edge, QProcess::splitCommand(argumentos)) != 0;
}

bool AbrirEdgeModoApp(const QString& URL)
{
    const QString edge = RutaEdge();
    if (edge.isEmpty()) return AbrirEnNavegadorPredeterminado(URL);
    return Service<Desktop>::get().startProgram(edge, {kOpcionModoApp + URL}) != 0;
}
