#pragma once

#include "replication/DestinoReplica.h"
#include "replication/ListaPendientes.h"
#include "replication/ModGruposEmp.h"

#include <QHash>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

class ConexionesDestino;
class DB_Dll;

// The copies of one save. The targets are read once: the points of sale of
// V_TA_TPV that are neither on the Internet nor withdrawn, in CODIGO order,
// then the group database when its settings switch it on; a target without
// server or database is left out as not set up, so that nothing meant for
// it reaches another. A target that fails is reported once, with an AUX_ERR
// row, and every copy it did not take is kept in the pending list. A
// target's writes are grouped in short transactions (see DestinoReplica);
// they are committed before this object shows a box, when the save commits
// its own rows (Confirmar) and when it ends.
class GrabacionReplica {
public:
    // `base` is the company's database, where the targets and the pending
    // list are read; `conexiones` keeps the targets' links between saves.
    GrabacionReplica(DB_Dll& base, ConexionesDestino& conexiones);
    ~GrabacionReplica();
    GrabacionReplica(const GrabacionReplica&) = delete;
    GrabacionReplica& operator=(const GrabacionReplica&) = delete;

    void Replicar(const SolicitudReplica& solicitud);
    // A stretch of requests of one table and operation: the company's rows
    // are read once and each target takes them together, in the target's
    // current transaction; a target that fails keeps every one pending.
    void ReplicarTramo(const QVector<SolicitudReplica>& tramo);
    // Copies again what the pending list holds, in its order, as the company
    // holds those rows now; returns how many are still pending.
    int ReintentarPendientes();
    // The targets that take rows of `Tabla`, named for the operator.
    QStringList Destinos(const QString& Tabla) const;
    // Commits what the targets took; a stretch that fails is kept as pending.
    void Confirmar();
    // Commits what the targets took, closes the links that failed and sets
    // the points of sale's pending marks.
    void Terminar();

private:
    struct Copia;

    static std::optional<Copia> copiaDe(const SolicitudReplica& solicitud);
    static std::optional<Copia> copiaDelTramo(const QVector<SolicitudReplica>& tramo);
    void leerDestinos();
    void agregarDestino(DatosDestino datos);
    void replicar(Copia& copia, const QVector<SolicitudReplica>& solicitudes);
    // Reads the company's rows into `copia` the first time a target needs them.
    std::optional<FalloReplica> copiar(DestinoReplica& destino, Copia& copia, bool agrupada);
    std::optional<FalloReplica> intentarCopia(DestinoReplica& destino, Copia& copia, bool agrupada);
    void recuperar(DestinoReplica& destino);
    bool reintentar(const Pendiente& pendiente);
    void registrar(DestinoReplica& destino, const FalloReplica& falla);
    void conservar(DestinoReplica& destino, const SolicitudReplica& solicitud, const QString& motivo);
    void avisar(DestinoReplica& destino, const FalloReplica& falla);
    void mostrar(const QString& texto, int botones, const QString& titulo);
    void anotarCambioDePendientes(const DestinoReplica& destino, const QString& tabla);
    DestinoReplica* destinoDe(const Pendiente& pendiente);

    DB_Dll& base_;
    ConexionesDestino& conexiones_;
    std::vector<std::unique_ptr<DestinoReplica>> destinos_;
    ListaPendientes pendientes_;
    QHash<QString, QStringList> tablasConPendientesCambiados_;  // by point of sale
    bool listaAvisada_ = false;
    bool terminada_ = false;
};
