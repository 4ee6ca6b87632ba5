#include "replication/ModGruposEmp.h"

namespace {

class SinDestinos : public Replicacion {
public:
    void ActualizaGEmpresas(const SolicitudReplica&) override {}
};

}  // namespace

std::unique_ptr<Replicacion> ServiceDefault<Replicacion>::make() { return std::make_unique<SinDestinos>(); }

void ActualizaGEmpresas(const QString& Tabla, long Operacion, const QString& Clave1, const QString& Clave2,
                        const QString& Clave3, const QString& Clave4, const QString& Clave5, const QString& Clave6,
                        const QString& Condicion)
{
    Service<Replicacion>::get().ActualizaGEmpresas(
        {Tabla, Operacion, {Clave1, Clave2, Clave3, Clave4, Clave5, Clave6}, Condicion});
}
