#include "equivalences/SolicitudesEquivalencias.h"

#include "database/TextoSQL.h"
#include "equivalences/CodigosEquivalencia.h"

namespace SolicitudesEquivalencias {

SolicitudReplica Fila(const QString& tabla, long operacion, const QString& articulo, const QString& unidad,
                      const QString& equivalente)
{
    return {tabla,
            operacion,
            {EntreComillas(codigoArticulo(articulo)),
             EntreComillas(codigoUnidad(unidad)),
             EntreComillas(codigoUnidad(equivalente)),
             {},
             {},
             {}},
            {}};
}

void PedirTramo(Replicacion& replicacion, const QString& tabla, long operacion, const QStringList& articulos,
                const QString& unidad, const QString& equivalente, const QString& condicion)
{
    QVector<SolicitudReplica> tramo;
    tramo.reserve(articulos.size());
    for (const QString& articulo : articulos) {
        tramo.append(Fila(tabla, operacion, articulo, unidad, equivalente));
        tramo.last().Condicion = condicion;
    }
    replicacion.ActualizaGEmpresasTramo(tramo);
}

QString DondeSeReplica(const QStringList& destinos)
{
    return destinos.isEmpty() ? QStringLiteral("\nNo se replicará a otras bases.")
                              : "\nSe replicará a: " + destinos.join(", ") + ".";
}

}  // namespace SolicitudesEquivalencias
