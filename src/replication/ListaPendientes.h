#pragma once

#include "database/TablasPropias.h"
#include "platform/db/Recordset.h"
#include "replication/ModGruposEmp.h"

#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

class DB_Dll;
struct DatosDestino;

// A copy that could not be made yet, as REPLICA_PENDIENTES keeps it.
struct Pendiente {
    qint64 id = 0;
    QString destino;    // kDestinoTPV or kDestinoGrupo
    QString codigoTPV;  // the point of sale's CODIGO; empty for the group
    SolicitudReplica solicitud;
};

// The copies that failed, kept in the company database (table
// REPLICA_PENDIENTES) so that none is lost: one entry per target and rows, in
// the order they first failed, until a later attempt makes them. The table's
// statements run on the company's own database object, the one it is given.
class ListaPendientes {
public:
    explicit ListaPendientes(DB_Dll& base) : base_(base) {}

    // CODIGO_TPV is empty for the group database; the keys and condition are
    // the request's, in SQL form.
    static constexpr TablaPropia kTabla{
        "REPLICA_PENDIENTES",
        "CREATE TABLE REPLICA_PENDIENTES (ID int IDENTITY(1,1) PRIMARY KEY, DESTINO varchar(10) NOT NULL, "
        "CODIGO_TPV varchar(4) NOT NULL, TABLA varchar(100) NOT NULL, CLAVE1 varchar(255) NOT NULL, "
        "CLAVE2 varchar(255) NOT NULL, CLAVE3 varchar(255) NOT NULL, CLAVE4 varchar(255) NOT NULL, "
        "CLAVE5 varchar(255) NOT NULL, CLAVE6 varchar(255) NOT NULL, CONDICION varchar(1000) NOT NULL, "
        "OPERACION smallint, FECHA datetime, ULTIMO_ERROR varchar(250), INTENTOS int DEFAULT 0)"};

    // Keeps a copy for a target; the same rows already kept for it only get
    // the new error and time. False when the company database refused it.
    bool Agregar(const DatosDestino& destino, const SolicitudReplica& solicitud, const QString& error);
    QVector<Pendiente> Todos() const;
    bool Vacia() const;
    void Quitar(qint64 id);
    void AnotarFallo(qint64 id, const QString& error);
    // Sets or clears a point of sale's V_TA_TPV marks of the tables' groups,
    // after what is still pending for it.
    void MarcarPuntoDeVenta(const QString& codigoTPV, const QStringList& tablas);

private:
    bool ejecutar(const QString& sentencia) const;
    std::optional<db::Recordset> leer(const QString& sentencia) const;
    std::optional<bool> hayPendientesDe(const QString& codigoTPV, const QStringList& tablas) const;

    DB_Dll& base_;
};
