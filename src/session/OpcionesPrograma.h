#pragma once

#include <QCommandLineParser>
#include <QStringList>

#include <functional>

// What the options of our programs share: -h/--help and -v/--version, the
// parser's own texts in Spanish, and the answer to a wrong option. Help,
// version and errors are answered without a display: the program asks
// SoloConsola before it makes its application object.

// The arguments as the process got them, the program's name first.
QStringList ArgumentosDelProceso(int argc, char* argv[]);

// Adds -h/--help and -v/--version.
void AgregarAyudaYVersion(QCommandLineParser& opciones);

// A program's own check of the values of its options: the error's text, or
// nothing when they are right.
using RevisionOpciones = std::function<QString(const QCommandLineParser&)>;

// Parses the arguments; true when they ask for help or the version, or are
// wrong, which ResponderEnConsola answers.
bool SoloConsola(QCommandLineParser& opciones, const QStringList& argumentos, const RevisionOpciones& revisar = {});

// Prints the help or the version on stdout and returns 0, or prints the error
// on one line of stderr and returns kErrorDeOpciones. Needs the application
// object (a QCoreApplication does), whose translator it installs.
int ResponderEnConsola(QCommandLineParser& opciones, const QStringList& argumentos,
                       const RevisionOpciones& revisar = {});

inline constexpr int kErrorDeOpciones = 2;

// Writes "<program>: <texto>" on one line of stderr.
void AvisarEnConsola(const QString& texto);
