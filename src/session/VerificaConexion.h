#pragma once

#include <QString>

// The program's start-up: session parameters, the company database, the
// statistics database, the most used settings and the signed-in user.

// The statistics database beside every company, and its login's password.
inline constexpr char kBaseEstadisticas[] = "VX_ESTADISTICAS";
inline constexpr char kClaveEstadisticas[] = "KR_TEMPLANZADAS";

// True when the company database is open, the session is filled and the user
// is valid; false when the start-up gave up (the operator cancelled, the
// database could not be opened, too many tries, a failed step, the end of the
// program asked for), and the program is to end. `UltimoValor` falls back on
// the last connection of the settings file when there is no command line;
// `LineaComando` replaces the program's own command line when given.
[[nodiscard]] bool VerificaConexion(bool UltimoValor, const QString& LineaComando, QString& ConnString, long lCursor);

// Opens the statistics database beside the company one and takes the
// statement time-out from its settings (45 seconds when it cannot).
void VerificaConexionVX();

// The host of a server name: what follows the first "/", up to the first ":"
// ("red/SRV1:1433" gives "SRV1").
QString ObtieneIP(const QString& Servidor);

// The program's help file, set by the start-up.
QString ArchivoAyuda();
