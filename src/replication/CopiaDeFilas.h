#pragma once

#include "replication/CondicionReplica.h"
#include "replication/FalloReplica.h"
#include "replication/FilasReplica.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class DB_Dll;
class DestinoReplica;

// Brings the rows a condition picks on one target in line with the
// company's, as far as the target's switches allow: a row missing there is
// inserted, a row that differs gets an UPDATE of the differing columns only,
// a row the company no longer has is deleted, and a row already equal costs
// nothing but the reads. Rows are written together where they can be: the
// missing ones in multi-row inserts, the ones that take the same change in
// one update. Asking again is harmless, which is what lets a copy that
// failed simply be asked for again later.
class CopiaDeFilas {
public:
    // The company's rows of `Tabla` the condition picks, as its table holds
    // them; a failure is returned, never raised.
    static std::optional<FalloReplica> LeerEmpresa(DB_Dll& empresa, const QString& Tabla,
                                                   const CondicionLigada& condicion, FilasReplica& filas);

    // `condicion` is the W of the request, " WHERE ..."; rows of both sides
    // are paired by the table's key columns.
    CopiaDeFilas(DestinoReplica& destino, QString Tabla, QStringList claves, CondicionLigada condicion);

    std::optional<FalloReplica> Ejecutar(const FilasReplica& empresa);

private:
    struct Cambio;

    std::optional<FalloReplica> leerDestino(FilasReplica& filas);
    std::optional<FalloReplica> borrarSobrantes(const FilasReplica& destino, const FilasReplica& empresa);
    std::optional<FalloReplica> insertar(const FilasReplica& empresa, const QVector<int>& filas);
    std::optional<FalloReplica> actualizar(const QVector<Cambio>& cambios, const FilasReplica& destino);
    // Runs `accion` with the condition that picks the target's `filas`: all
    // at once when their keys allow it, else one by one.
    std::optional<FalloReplica> porCondicion(
        const FilasReplica& destino, const QVector<int>& filas,
        const std::function<std::optional<FalloReplica>(const CondicionLigada&)>& accion) const;
    QVector<Variant> claveDe(const FilasReplica& filas, int fila) const;
    QString textoDeClave(const FilasReplica& filas, int fila) const;

    DestinoReplica& destino_;
    QString tabla_;
    QStringList claves_;
    CondicionLigada condicion_;
};
