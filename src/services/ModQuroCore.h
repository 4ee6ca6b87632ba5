#pragma once

#include "services/PeticionHttp.h"

#include <QString>

class DB_Dll;

// Modules of the suite's web portal, QuroCore: the program asks the portal for
// a one-time ticket, sending the session's SQL and application credentials,
// and opens the module's page, which carries only the ticket, in Edge's app mode.

inline constexpr char kTituloQuroCore[] = "QuroCore";

// What a module is opened with.
struct DatosQuroCore {
    QString BaseURL;
    QString Modulo;
    QString Servidor;
    QString BaseDatos;
    QString UsuarioSql;
    QString ClaveSql;
    QString UsuarioSistema;
    QString ClaveSistema;
    QString NombreSesion;
    QString IdBase;
};

// The time limits of the ticket request (tests shorten them).
TiemposEspera& TiemposEsperaQuroCore();

// Opens the portal module that a browser command's app address names (an
// address with "directo=1", a base and a module). False when the command
// names none, and then the caller starts Edge itself; true otherwise, opened
// or not: a failure is shown when `MostrarErrores`. A portal that asks for the
// base identifier (428) gets it from the operator and one more request. The
// session is the one signed in to the company's database `base`.
bool AbrirQuroCore(DB_Dll& base, const QString& Programa, bool MostrarErrores);

// Checks the values, obtains the ticket and opens the module's page. On
// failure `Mensaje` says why, and `FaltaIdBase` tells a 428 answer.
bool AbrirModuloQuroCore(DatosQuroCore datos, bool& FaltaIdBase, QString& Mensaje);

// The ticket, or empty with `Mensaje` set. Credentials travel only over
// https or to this same computer; the portal's text never shows a password.
QString PedirTicketQuroCore(const DatosQuroCore& datos, bool& FaltaIdBase, QString& Mensaje);

// The failure text of an HTTP status, with the hint for it and, when not
// blank, the portal's answer.
QString ExplicarErrorTicket(int Estado, const QString& URL, const DatosQuroCore& datos, const QString& Respuesta);
