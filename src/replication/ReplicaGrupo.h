#pragma once

#include "replication/ModGruposEmp.h"

#include <QVector>

#include <memory>

class ConexionesDestino;
class DB_Dll;
class GrabacionReplica;

// The copy of master rows to the company's points of sale and to its group
// database, as main() installs it. Window events keep running while a copy
// goes on, so a request may arrive in the middle of another: it waits and is
// copied as soon as the running one ends. A save that tries to start while
// another runs is refused. The pending list is tried again at the start of
// every save. The links to the targets are kept for the session and made
// again when one fails.
class ReplicaGrupo : public Replicacion {
public:
    // Copies the rows of the company's database `base`.
    explicit ReplicaGrupo(DB_Dll& base);
    ~ReplicaGrupo() override;
    ReplicaGrupo(const ReplicaGrupo&) = delete;
    ReplicaGrupo& operator=(const ReplicaGrupo&) = delete;

    bool IniciarGrabacion() override;
    void ActualizaGEmpresas(const SolicitudReplica& solicitud) override;
    void ActualizaGEmpresasTramo(const QVector<SolicitudReplica>& tramo) override;
    void TerminarGrabacion() override;
    void ConfirmarCopias() override;
    std::optional<int> ReintentarPendientes() override;
    QStringList Destinos(const QString& Tabla) override;

private:
    bool ocupada() const { return grabacion_ || copiando_; }
    void avisarOcupada() const;
    void abrirGrabacion();
    void copiar(const QVector<SolicitudReplica>& tramo);
    void copiarEsperas();
    void cerrarGrabacion();

    DB_Dll& base_;
    std::unique_ptr<ConexionesDestino> conexiones_;  // before the save that uses them
    std::unique_ptr<GrabacionReplica> grabacion_;
    bool copiando_ = false;
    QVector<QVector<SolicitudReplica>> esperas_;  // requests and stretches, in their order
};
