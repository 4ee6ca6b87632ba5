#pragma once

// One save of the window as the replication service sees it, for the length
// of a scope: started when made, ended when it goes, whatever way the save
// leaves. A save made while another one is copying is refused (the operator
// has been told) and must not write anything:
//
//     const GrabacionConReplica grabacion(replicacion);
//     if (!grabacion.Aceptada()) return;
//     ActualizarDatos();
class Replicacion;

class GrabacionConReplica {
public:
    explicit GrabacionConReplica(Replicacion& replicacion);
    ~GrabacionConReplica();
    GrabacionConReplica(const GrabacionConReplica&) = delete;
    GrabacionConReplica& operator=(const GrabacionConReplica&) = delete;

    bool Aceptada() const { return aceptada_; }

private:
    Replicacion& replicacion_;
    bool aceptada_;
};
