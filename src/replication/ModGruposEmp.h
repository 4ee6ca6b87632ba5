#pragma once

#include "platform/Service.h"

#include <QString>

#include <array>
#include <memory>

// Copying a master row, by its key, to the company's points of sale and to
// its group database after it was written (operation 1 or 2) or deleted (3).
struct SolicitudReplica {
    QString Tabla;
    long Operacion = 0;
    std::array<QString, 6> Claves;  // Clave1 .. Clave6, in SQL form
    QString Condicion;
};

class Replicacion {
public:
    virtual ~Replicacion() = default;
    virtual void ActualizaGEmpresas(const SolicitudReplica& solicitud) = 0;
};

// Until the copy to other databases is built, a request reaches no target.
template <>
struct ServiceDefault<Replicacion> {
    static std::unique_ptr<Replicacion> make();
};
