#pragma once

#include "database/DB_Dll.h"
#include "platform/Clock.h"
#include "platform/db/Transaction.h"
#include "replication/AjustesGrupo.h"
#include "replication/FalloReplica.h"
#include "replication/ModGruposEmp.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

// What identifies a target in the list of pending copies.
inline constexpr char kDestinoTPV[] = "TPV";
inline constexpr char kDestinoGrupo[] = "GRUPO";

// A database that receives copies: a point of sale of V_TA_TPV, or the group database.
struct DatosDestino {
    QString tipo;         // kDestinoTPV or kDestinoGrupo
    QString codigo;       // the point of sale's CODIGO; empty for the group
    QString descripcion;  // the point of sale's Descripcion
    QString servidor;
    QString base;
    QString permisos;                   // "1" in position 1 inserts, 2 updates, 3 deletes
    QStringList excluidas;              // a point of sale's exclusion flags that are set
    std::optional<AjustesGrupo> grupo;  // the group database's settings
};

// Copies a stretch of grouped writes took with it when it failed, and why.
struct TramoPerdido {
    FalloReplica falla;
    QVector<SolicitudReplica> copias;
};

// One target during one save, on a quiet database object `base` that
// outlives the save: opened when first needed, and kept open when the save
// ends unless its link failed. A target found unreachable, at the start or
// half-way, is left alone for the rest of the save.
class DestinoReplica {
public:
    // A point of sale reached or not is marked so in `empresa`, the company's database.
    DestinoReplica(DB_Dll& empresa, DatosDestino datos, DB_Dll& base);

    const DatosDestino& Datos() const { return datos_; }
    bool EsPuntoDeVenta() const { return datos_.tipo == kDestinoTPV; }
    bool Recibe(const QString& Tabla) const;
    bool Inserta() const { return permite(0); }
    bool Actualiza() const { return permite(1); }
    bool Borra() const { return permite(2); }

    // Opens the target, marking a point of sale reached or not; nothing when
    // it is open, why not otherwise.
    std::optional<FalloReplica> Abrir();
    // A link kept from an earlier save may have died since: when it did so
    // before this save took anything through it, it is dropped so that the
    // next Abrir makes a new one. True when it was.
    bool Reconectar();
    bool Caido() const { return caido_; }
    // Reported to the operator already in this save.
    bool Avisado() const { return avisado_; }
    void MarcarAvisado() { avisado_ = true; }

    // Runs a statement that writes, its "?" markers taking `valores`, with
    // the error list cleared before it; an insert or update that writes no
    // row has failed as well.
    std::optional<FalloReplica> Ejecutar(FalloReplica::Paso paso, const QString& sentencia,
                                         const QVector<Variant>& valores = {});
    // The copies of a save are written in short transactions, committed by
    // the rule of the company's long saves (db::GroupedCommits): one commit
    // per copy would cost more than the copy. A copy is only safe once its
    // stretch is committed, so the stretch's copies are kept until then: a
    // failed commit leaves them in TomarPerdido(), and a failed copy rolls the
    // stretch back and hands them to the caller (Deshacer), to be kept as pending.
    std::optional<FalloReplica> EmpezarCopia();
    void CopiaHecha(const SolicitudReplica& solicitud);
    void Confirmar();
    QVector<SolicitudReplica> Deshacer();
    std::optional<TramoPerdido> TomarPerdido();

    // Reads rows; a failure is returned, never raised.
    std::optional<FalloReplica> Leer(const QString& sentencia, const QVector<Variant>& valores, db::Recordset& filas);
    // The target's columns of `Tabla` that an insert writes, read once per save.
    std::optional<FalloReplica> ColumnasInsertables(const QString& Tabla, QStringList& columnas);
    // The save is over: a link that failed is closed, a good one kept.
    void Terminar();

private:
    bool permite(int posicion) const;
    FalloReplica fallo(FalloReplica::Paso paso, const QString& sentencia, long numero, const QString& descripcion);
    void cerrar();

    DB_Dll& empresa_;
    DatosDestino datos_;
    DB_Dll& base_;  // quiet: a target's failures never ask the operator
    bool heredada_;  // open from an earlier save, nothing read through it yet in this one
    bool caido_ = false;
    bool avisado_ = false;
    QHash<QString, QStringList> columnas_;
    std::optional<db::Transaction> tramo_;  // after base_: it goes first
    Clock::Duration tramoDesde_{};
    QVector<SolicitudReplica> copiasDelTramo_;
    std::optional<TramoPerdido> perdido_;
};
