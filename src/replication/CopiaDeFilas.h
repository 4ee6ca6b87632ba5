#pragma once

#include "replication/FalloReplica.h"

#include <QString>
#include <QStringList>

#include <optional>

class DB_Dll;
class DestinoReplica;

// Brings the rows a condition picks on one target in line with the
// company's, as far as the target's switches allow: a row missing there is
// inserted, a row that differs gets an UPDATE of the differing columns only,
// a row the company no longer has is deleted, and a row already equal costs
// nothing but the reads. Asking again is harmless, which is what lets a copy
// that failed simply be asked for again later.
class CopiaDeFilas {
public:
    // `Condicion` is the W of the request, " WHERE ..."; rows of both sides
    // are paired by the table's key columns. The company's rows are read
    // from `empresa`.
    CopiaDeFilas(DB_Dll& empresa, DestinoReplica& destino, QString Tabla, QStringList claves, QString Condicion);

    std::optional<FalloReplica> Ejecutar();

private:
    struct Filas;

    std::optional<FalloReplica> leerDestino(Filas& filas);
    std::optional<FalloReplica> leerEmpresa(Filas& filas) const;
    std::optional<FalloReplica> borrarSobrantes(const Filas& destino, const Filas& empresa);
    std::optional<FalloReplica> insertar(const Filas& empresa, int fila);
    std::optional<FalloReplica> actualizar(const Filas& empresa, int fila, const Filas& destino, int filaDestino);
    QString claveDe(const Filas& filas, int fila) const;
    QString condicionDeFila(const Filas& filas, int fila) const;

    DB_Dll& empresa_;
    DestinoReplica& destino_;
    QString tabla_;
    QStringList claves_;
    QString condicion_;
};
