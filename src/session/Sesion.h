#pragma once

#include <QString>

// The session record: one per process, filled by the start-up sequence and
// the login window, read by everyone else.
struct Sesion {
    qint32 gColorFondoFoco = 0;   // background of the focused entry field (RGB, red in the low byte)
    qint32 gColorTextoFoco = 0;   // text colour of the focused entry field
    QString gSeccionEquipo;       // settings section of this workstation and user, at most 50 characters
    double gFlatToolbars = 0;     // style offered to command bars with a "StyleBar" property
    QString gParametroAdicional;  // article code that fixes the main window on one article
    QString gMenu;                // menu entry that started the program
    QString gUsuarioLogeado;      // application user (TA_USUARIOS.NOMBRE)
    QString gPasswordUsuario;     // that user's password in clear, or the marker "* *"
    QString gCaja;                // cash box of this workstation
    qint16 gTiempoEsperaComando = 0;  // statement time-out in seconds
    QString gCadenaDSN;           // "DSN=...; UID=...; PWD=..."
};

// The process-wide session.
Sesion& gSesion();
