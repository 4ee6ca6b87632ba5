#include "replication/GrabacionConReplica.h"

#include "replication/ModGruposEmp.h"

GrabacionConReplica::GrabacionConReplica(Replicacion& replicacion)
    : replicacion_(replicacion), aceptada_(replicacion.IniciarGrabacion())
{
}

GrabacionConReplica::~GrabacionConReplica()
{
    if (aceptada_) replicacion_.TerminarGrabacion();
}
