#pragma once

#include "platform/Service.h"

#include <QString>
#include <QStringList>
#include <QVector>

#include <array>
#include <memory>
#include <optional>

// Copying a master row, by its key, to the company's points of sale and to
// its group database after it was written (operation 1 or 2) or deleted (3).
// A condition, when given, picks the rows instead of (or besides) the keys.
struct SolicitudReplica {
    QString Tabla;
    long Operacion = 0;
    std::array<QString, 6> Claves;  // Clave1 .. Clave6, in SQL form
    QString Condicion;
};

// The copying service. A save of the window brackets its requests with
// IniciarGrabacion and TerminarGrabacion, so that each target is opened once,
// a target that cannot be reached is reported once and then left alone, and
// a second save cannot start while one runs. A request outside a save is a
// save of its own.
class Replicacion {
public:
    virtual ~Replicacion() = default;

    // False, after telling the operator, when a save is already under way.
    virtual bool IniciarGrabacion() { return true; }
    virtual void ActualizaGEmpresas(const SolicitudReplica& solicitud) = 0;
    // The copies of a stretch of rows of one table and operation, which a
    // copier may read and write together; each stays a request of its own
    // for the pending list.
    virtual void ActualizaGEmpresasTramo(const QVector<SolicitudReplica>& tramo)
    {
        for (const SolicitudReplica& solicitud : tramo) ActualizaGEmpresas(solicitud);
    }
    virtual void TerminarGrabacion() {}
    // Commits what the targets have taken so far in this save: a long save
    // calls it before it commits the rows those copies come from, so that a
    // target never lacks a row the company has kept.
    virtual void ConfirmarCopias() {}
    // Sends again the copies that could not be made before; returns how many
    // are still pending, or nothing, after telling the operator, when a save
    // is under way.
    virtual std::optional<int> ReintentarPendientes() { return 0; }
    // Where rows of `Tabla` are copied to, named for the operator.
    virtual QStringList Destinos(const QString& Tabla)
    {
        (void)Tabla;
        return {};
    }
};

// Until main() installs the copy to other databases, a request reaches no target.
template <>
struct ServiceDefault<Replicacion> {
    static std::unique_ptr<Replicacion> make();
};
