#pragma once

#include "support/DatabaseTest.h"

#include <QString>
#include <QStringList>

// A company whose equivalences are copied to points of sale and to a group
// database, each a database of its own on servers registered beside LOCAL.
// The real replication service is installed and the company is open.
class ReplicaTest : public EveryEngineTest {
protected:
    static constexpr char kPuntos[] = "TPVS";  // SQLite server of the points of sale
    static constexpr char kGrupo[] = "GRUPO";  // SQLite server of the group database
    static constexpr char kBaseGrupo[] = "GRUPO_EMPRESAS";

    void SetUp() override;

    // A point of sale of V_TA_TPV with its database (created empty unless
    // `crearBase` is false); `columnas` and `valores` add columns of its row.
    void agregarPuntoDeVenta(const QString& codigo, const QString& descripcion, const QString& servidor,
                             const QString& base, const QString& columnas = {}, const QString& valores = {},
                             bool crearBase = true);
    // Switches the group database on, with its operation switches.
    void habilitarGrupo(const QString& tipos = "111", const QString& tablas = "|S_TA_EQUIV|");

    // The company's row as the window writes it, then the window's request.
    void grabar(const QString& articulo, const QString& unidad, const QString& equivalente, const QString& coeficiente,
                const QString& paratodos = "NULL");
    void borrar(const QString& articulo, const QString& unidad, const QString& equivalente);
    static void replicar(long operacion, const QString& articulo, const QString& unidad, const QString& equivalente);

    // "article unit equivalent = coefficient [*]" for each row of a database, in
    // key order; * marks a generic row, "NULL" a missing coefficient.
    QStringList equivalencias(const QString& base, const QString& servidor) const;
    long contar(const QString& sentencia, const QString& base = kCompany, const QString& servidor = kServer) const;
    long pendientes(const QString& codigoTPV) const;
    // The boxes shown so far, as "title: text".
    QStringList avisos() const;
};
