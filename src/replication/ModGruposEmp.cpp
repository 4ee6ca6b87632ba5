#include "replication/ModGruposEmp.h"

namespace {

class SinDestinos : public Replicacion {
public:
    void ActualizaGEmpresas(const SolicitudReplica&) override {}
};

}  // namespace

std::unique_ptr<Replicacion> ServiceDefault<Replicacion>::make() { return std::make_unique<SinDestinos>(); }
