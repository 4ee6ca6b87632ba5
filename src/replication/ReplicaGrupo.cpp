#include "replication/ReplicaGrupo.h"

#include "platform/ui/Dialogs.h"
#include "replication/ConexionesDestino.h"
#include "replication/GrabacionReplica.h"

namespace {

// Marks a copy under way for as long as it runs, however it ends.
class Copiando {
public:
    explicit Copiando(bool& marca) : marca_(marca) { marca_ = true; }
    ~Copiando() { marca_ = false; }
    Copiando(const Copiando&) = delete;
    Copiando& operator=(const Copiando&) = delete;

private:
    bool& marca_;
};

}  // namespace

ReplicaGrupo::ReplicaGrupo(DB_Dll& base) : base_(base), conexiones_(std::make_unique<ConexionesDestino>()) {}

ReplicaGrupo::~ReplicaGrupo() = default;

bool ReplicaGrupo::IniciarGrabacion()
{
    if (ocupada()) {
        avisarOcupada();
        return false;
    }
    abrirGrabacion();
    return true;
}

void ReplicaGrupo::ActualizaGEmpresas(const SolicitudReplica& solicitud) { ActualizaGEmpresasTramo({solicitud}); }

void ReplicaGrupo::ActualizaGEmpresasTramo(const QVector<SolicitudReplica>& tramo)
{
    if (copiando_) {
        esperas_.append(tramo);
        return;
    }
    const bool propia = !grabacion_;
    if (propia) abrirGrabacion();
    copiar(tramo);
    copiarEsperas();
    if (propia) cerrarGrabacion();
}

void ReplicaGrupo::TerminarGrabacion()
{
    if (grabacion_ && !copiando_) cerrarGrabacion();
}

void ReplicaGrupo::ConfirmarCopias()
{
    if (grabacion_) grabacion_->Confirmar();
}

std::optional<int> ReplicaGrupo::ReintentarPendientes()
{
    if (ocupada()) {
        avisarOcupada();
        return std::nullopt;
    }
    grabacion_ = std::make_unique<GrabacionReplica>(base_, *conexiones_);
    int quedan = 0;
    {
        const Copiando marca(copiando_);
        quedan = grabacion_->ReintentarPendientes();
    }
    cerrarGrabacion();
    return quedan;
}

void ReplicaGrupo::avisarOcupada() const
{
    MsgBox("Se están enviando los cambios a los puntos de venta. Espere a que termine la grabación en curso.",
           vb::vbExclamation, "Aviso al operador");
}

void ReplicaGrupo::abrirGrabacion()
{
    {
        const Copiando marca(copiando_);
        grabacion_ = std::make_unique<GrabacionReplica>(base_, *conexiones_);
        grabacion_->ReintentarPendientes();
    }
    copiarEsperas();
}

void ReplicaGrupo::copiar(const QVector<SolicitudReplica>& tramo)
{
    const Copiando marca(copiando_);
    grabacion_->ReplicarTramo(tramo);
}

void ReplicaGrupo::copiarEsperas()
{
    while (!esperas_.isEmpty()) copiar(esperas_.takeFirst());
}

void ReplicaGrupo::cerrarGrabacion()
{
    copiarEsperas();
    grabacion_->Terminar();
    grabacion_.reset();
}

QStringList ReplicaGrupo::Destinos(const QString& Tabla)
{
    if (grabacion_) return grabacion_->Destinos(Tabla);
    return GrabacionReplica(base_, *conexiones_).Destinos(Tabla);
}
