#pragma once

#include "replication/ModGruposEmp.h"

#include <QString>
#include <QStringList>

// The copies of S_TA_EQUIV's rows, keyed by article and units as every
// target keys them.
namespace SolicitudesEquivalencias {

inline constexpr long kAltaOModificacion = 1;
inline constexpr long kBaja = 3;

SolicitudReplica Fila(const QString& tabla, long operacion, const QString& articulo, const QString& unidad,
                      const QString& equivalente);

// One request per article for the pair, all asked for at once, each picked
// within `condicion` (a range of codes, or empty).
void PedirTramo(Replicacion& replicacion, const QString& tabla, long operacion, const QStringList& articulos,
                const QString& unidad, const QString& equivalente, const QString& condicion = {});

// The line of a question that says where a save is copied to, on a line of its own.
QString DondeSeReplica(const QStringList& destinos);

}  // namespace SolicitudesEquivalencias
