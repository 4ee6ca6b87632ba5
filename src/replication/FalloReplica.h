#pragma once

#include <QString>

// Why a copy could not be made on a target.
struct FalloReplica {
    enum class Paso { Conexion, Lectura, Insercion, Actualizacion, Borrado };

    Paso paso = Paso::Conexion;
    QString sentencia;  // the statement that failed; empty for a connection
    long numero = 0;    // the provider's native error, or the error number when it gave none
    QString descripcion;
    bool enlacePerdido = false;  // the target is gone: nothing more is sent to it in this save
};
