#include "replication/ModGruposEmp.h"

namespace {

// Until the copy to other databases is built, a request reaches no target.
class SinDestinos : public Replicacion {
public:
    void ActualizaGEmpresas(const SolicitudReplica&) override {}
};

std::unique_ptr<Replicacion>& actual()
{
    static std::unique_ptr<Replicacion> servicio = std::make_unique<SinDestinos>();
    return servicio;
}

}  // namespace

Replicacion& replicacion() { return *actual(); }

std::unique_ptr<Replicacion> instalarReplicacion(std::unique_ptr<Replicacion> nueva)
{
    std::swap(actual(), nueva);
    return nueva;
}

void ActualizaGEmpresas(const QString& Tabla, long Operacion, const QString& Clave1, const QString& Clave2,
                        const QString& Clave3, const QString& Clave4, const QString& Clave5, const QString& Clave6,
                        const QString& Condicion)
{
    replicacion().ActualizaGEmpresas({Tabla, Operacion, {Clave1, Clave2, Clave3, Clave4, Clave5, Clave6}, Condicion});
}
