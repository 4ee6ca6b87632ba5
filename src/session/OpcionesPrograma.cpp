#include "session/OpcionesPrograma.h"

#include "platform/os/System.h"

#include <QCoreApplication>
#include <QHash>
#include <QTextStream>
#include <QTranslator>

#include <cstdio>

namespace {

// The texts QCommandLineParser writes when it parses or shows the help, in Spanish.
class TraduccionOpciones : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* contexto, const char* texto, const char*, int) const override
    {
        static const QHash<QByteArray, QString> textos{
            {"Usage: %1", "Uso: %1"},
            {"Options:", "Opciones:"},
            {"Arguments:", "Argumentos:"},
            {"[options]", "[opciones]"},
            {"Unknown option '%1'.", "Opción desconocida: '%1'."},
            {"Unknown options: %1.", "Opciones desconocidas: %1."},
            {"Missing value after '%1'.", "Falta el valor de '%1'."},
            {"Unexpected value after '%1'.", "La opción '%1' no lleva valor."},
        };
        if (qstrcmp(contexto, "QCommandLineParser") != 0) return {};
        return textos.value(texto);
    }
};

QString errorDe(const QCommandLineParser& opciones, const RevisionOpciones& revisar)
{
    if (!opciones.errorText().isEmpty()) return opciones.errorText();
    return revisar ? revisar(opciones) : QString();
}

constexpr char kAyuda[] = "help";
constexpr char kVersion[] = "version";

}  // namespace

QStringList ArgumentosDelProceso(int argc, char* argv[])
{
    QStringList argumentos;
    for (int i = 0; i < argc; ++i) argumentos.append(QString::fromLocal8Bit(argv[i]));
    return argumentos;
}

// Our own, since the parser's come with English descriptions fixed before any translation.
void AgregarAyudaYVersion(QCommandLineParser& opciones)
{
    opciones.addOption({{"h", kAyuda}, "Muestra esta ayuda y termina."});
    opciones.addOption({{"v", kVersion}, "Muestra la versión y termina."});
}

bool SoloConsola(QCommandLineParser& opciones, const QStringList& argumentos, const RevisionOpciones& revisar)
{
    opciones.parse(argumentos);
    return opciones.isSet(kAyuda) || opciones.isSet(kVersion) || !errorDe(opciones, revisar).isEmpty();
}

int ResponderEnConsola(QCommandLineParser& opciones, const QStringList& argumentos, const RevisionOpciones& revisar)
{
    TraduccionOpciones traduccion;
    QCoreApplication::installTranslator(&traduccion);
    // Again, so that the parser's errors come in Spanish.
    opciones.parse(argumentos);
    const QString error = errorDe(opciones, revisar);
    if (!error.isEmpty()) {
        AvisarEnConsola(error + " Las opciones se ven con --help.");
        return kErrorDeOpciones;
    }
    QTextStream salida(stdout);
    if (opciones.isSet(kVersion))
        salida << os::executableName() << ' ' << EQUIV_VERSION << '\n';
    else
        salida << opciones.helpText();
    return 0;
}

void AvisarEnConsola(const QString& texto) { QTextStream(stderr) << os::executableName() << ": " << texto << '\n'; }
