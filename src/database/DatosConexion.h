#pragma once

#include "platform/Variant.h"

#include <QString>

// How the database class reaches its database: provider, server, database,
// login and the connection text built from them, with the suite's extra
// options.
struct DatosConexion {
    Variant gIgnoraPassWord;  // true: the password of BASES.TXT is not used
    QString gProveedor;
    QString gServidor;  // a "#" anywhere marks an Oracle server
    QString gDBName;
    QString gUsuario;
    QString gUserPassWord;
    QString gConnString;
    QString gExtended;  // added to the connection text as it is
};

// What the session tells the database class, given by the start-up: the
// signed-in user, offered in the login window and checked for
// administration, whether that user administers (and so reads the tables
// rather than restricted views), and whether restricted views hide
// accounting entries too.
struct DatosSesion {
    QString gUsuarioLogeado;
    QString gPasswordUsuario;
    bool gEsAdmin = false;
    bool gConfidencialidad = false;
};
