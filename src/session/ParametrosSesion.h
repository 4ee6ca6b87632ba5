#pragma once

#include "suitesupport/QvIni.h"

#include <QString>

// The command line the suite's programs pass to each other, and the local
// settings file it falls back on.

inline constexpr char kMarcaPassword[] = "* *";
inline constexpr int kLargoSeccionEquipo = 50;

// The value of one @-key in a command line: the text after the first
// occurrence of the key (case ignored) up to the next ";" (to the end of the
// line when no ";" follows), without any "=" and trimmed; empty when absent.
QString ParametroLinea(const QString& linea, const QString& clave);

// The command line the program was started with, as one text.
QString LineaComandoProceso();
// Sets it; the program hands over its arguments joined by blanks.
void FijarLineaComandoProceso(const QString& linea);

// The command line to parse at start-up: `LineaComando` when given, else the
// process's own; when that is blank and `UltimoValor` is true, the last
// connection stored in the settings file.
QString LineaComandoInicio(bool UltimoValor, const QString& LineaComando);

// "@server=...; @dbname= ...; ..." composed from the last-connection section
// of the settings file, user and password decoded.
QString LineaUltimaConexion();

// Upper-case computer name + "|" + upper-case system user, uncut.
QString NombreEquipoUsuario();

// Sets gSeccionEquipo and reads "FlatToolbars" from it into gFlatToolbars.
void LeerSeccionEquipo();

// The connection a command line names, for the database class.
struct ParametrosConexion {
    QString servidor;  // an Oracle server's "#" removed
    QString dbName;
    QString usuario;   // "@Usuario" as parsed
    QString password;  // "@Password" as parsed
};

// Parses `linea` into the session record (gParametroAdicional, gMenu,
// gUsuarioLogeado, gPasswordUsuario, gCaja) applying the password-marker,
// logged-user and Oracle rules; returns the connection. For an Oracle server
// ("#" first) and an empty `ConnString`, `ConnString` becomes the Oracle
// connection text.
ParametrosConexion InterpretarLineaComando(const QString& linea, QString& ConnString);
