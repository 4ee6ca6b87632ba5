#include "replication/GrabacionConReplica.h"

#include "replication/ModGruposEmp.h"

GrabacionConReplica::GrabacionConReplica() : aceptada_(Service<Replicacion>::get().IniciarGrabacion()) {}

GrabacionConReplica::~GrabacionConReplica()
{
    if (aceptada_) Service<Replicacion>::get().TerminarGrabacion();
}
