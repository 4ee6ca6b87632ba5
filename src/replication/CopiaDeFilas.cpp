#include "replication/CopiaDeFilas.h"

#include "database/DB_Dll.h"
#include "platform/VbText.h"
#include "replication/DestinoReplica.h"
#include "replication/ValorReplica.h"

#include <QHash>
#include <QSet>

#include <map>

namespace {

// Columns an update leaves as the target has them.
const QStringList kNoSeComparan{"ID", "IMAGE", "OBSERVACIONES", "DescripcionAdicional"};
constexpr QChar kSeparadorClave = u'\x1f';
// Values bound to one statement: SQL Server takes at most 2 100.
constexpr int kValoresPorSentencia = 2000;

}  // namespace

// One target row that takes the company's values in some of its columns.
struct CopiaDeFilas::Cambio {
    int filaDestino = 0;
    QStringList columnas;
    QVector<Variant> valores;
    QString firma;  // the same for rows that take the very same change
};

std::optional<FalloReplica> CopiaDeFilas::LeerEmpresa(DB_Dll& empresa, const QString& Tabla,
                                                     const CondicionLigada& condicion, FilasReplica& filas)
{
    const QString sentencia = "SELECT * FROM " + Tabla + condicion.texto;
    try {
        long ignoradas = 0;
        db::Recordset leidas = condicion.valores.isEmpty()
                                   ? empresa.gCnn.Execute(sentencia)
                                   : empresa.gCnn.Execute(sentencia, condicion.valores, ignoradas);
        filas = FilasReplica::de(leidas);
        return std::nullopt;
    } catch (const ErrorVB& error) {
        // Not to be taken later for a failure of the window's own statements.
        empresa.gCnn.errors().Clear();
        return FalloReplica{FalloReplica::Paso::Lectura, sentencia, error.numero, error.descripcion, false};
    }
}

CopiaDeFilas::CopiaDeFilas(DestinoReplica& destino, QString Tabla, QStringList claves, CondicionLigada condicion)
    : destino_(destino), tabla_(std::move(Tabla)), claves_(std::move(claves)), condicion_(std::move(condicion))
{
}

std::optional<FalloReplica> CopiaDeFilas::Ejecutar(const FilasReplica& empresa)
{
    FilasReplica destino;
    if (auto falla = leerDestino(destino)) return falla;
    if (destino_.Borra()) {
        if (auto falla = borrarSobrantes(destino, empresa)) return falla;
    }
    QHash<QString, int> enDestino;
    for (int j = 0; j < destino.valores.size(); ++j) enDestino.insert(textoDeClave(destino, j), j);
    QVector<int> nuevas;
    QVector<Cambio> cambios;
    for (int i = 0; i < empresa.valores.size(); ++i) {
        const auto par = enDestino.constFind(textoDeClave(empresa, i));
        if (par == enDestino.constEnd()) {
            if (destino_.Inserta()) nuevas.append(i);
            continue;
        }
        if (!destino_.Actualiza()) continue;
        Cambio cambio{*par, {}, {}, {}};
        for (int j = 0; j < destino.columnas.size(); ++j) {
            const QString& columna = destino.columnas[j];
            const int c = empresa.indice(columna);
            if (c < 0 || kNoSeComparan.contains(columna, Qt::CaseInsensitive)) continue;
            const Variant& valor = empresa.valores[i][c];
            if (MismoValor(valor, destino.valores[*par][j], empresa.tipos[c])) continue;
            cambio.columnas.append(columna);
            cambio.valores.append(valor);
            cambio.firma += columna + u'=' + ValorReplica(valor, empresa.tipos[c]) + kSeparadorClave;
        }
        if (!cambio.columnas.isEmpty()) cambios.append(cambio);
    }
    if (!nuevas.isEmpty()) {
        if (auto falla = insertar(empresa, nuevas)) return falla;
    }
    return actualizar(cambios, destino);
}

std::optional<FalloReplica> CopiaDeFilas::leerDestino(FilasReplica& filas)
{
    db::Recordset leidas;
    if (auto falla = destino_.Leer("SELECT * FROM " + tabla_ + condicion_.texto, condicion_.valores, leidas))
        return falla;
    filas = FilasReplica::de(leidas);
    return std::nullopt;
}

std::optional<FalloReplica> CopiaDeFilas::borrarSobrantes(const FilasReplica& destino, const FilasReplica& empresa)
{
    if (destino.valores.isEmpty()) return std::nullopt;
    if (empresa.valores.isEmpty())
        return destino_.Ejecutar(FalloReplica::Paso::Borrado, "DELETE " + tabla_ + condicion_.texto, condicion_.valores);
    QSet<QString> enEmpresa;
    for (int i = 0; i < empresa.valores.size(); ++i) enEmpresa.insert(textoDeClave(empresa, i));
    QVector<int> sobrantes;
    for (int j = 0; j < destino.valores.size(); ++j) {
        if (!enEmpresa.contains(textoDeClave(destino, j))) sobrantes.append(j);
    }
    if (sobrantes.isEmpty()) return std::nullopt;
    return porCondicion(destino, sobrantes, [&](const CondicionLigada& condicion) {
        return destino_.Ejecutar(FalloReplica::Paso::Borrado, "DELETE " + tabla_ + condicion.texto, condicion.valores);
    });
}

std::optional<FalloReplica> CopiaDeFilas::insertar(const FilasReplica& empresa, const QVector<int>& filas)
{
    QStringList columnas;
    if (auto falla = destino_.ColumnasInsertables(tabla_, columnas)) return falla;
    QStringList nombres;
    QVector<int> posiciones;
    for (const QString& columna : columnas) {
        const int i = empresa.indice(columna);
        if (i < 0) continue;
        nombres.append(columna);
        posiciones.append(i);
    }
    const qsizetype porSentencia = std::max<qsizetype>(1, kValoresPorSentencia / std::max<qsizetype>(1, nombres.size()));
    const QString cabecera = "INSERT INTO " + tabla_ + "(" + nombres.join(u',') + ") VALUES ";
    for (qsizetype desde = 0; desde < filas.size(); desde += porSentencia) {
        const QVector<int> grupo = filas.mid(desde, porSentencia);
        QStringList marcas;
        QVector<Variant> valores;
        for (const int fila : grupo) {
            marcas.append(db::Connection::markerList(posiciones.size()));
            for (const int i : posiciones) valores.append(empresa.valores[fila][i]);
        }
        if (auto falla = destino_.Ejecutar(FalloReplica::Paso::Insercion, cabecera + marcas.join(u','), valores))
            return falla;
    }
    return std::nullopt;
}

// Rows that take the very same change get one statement.
std::optional<FalloReplica> CopiaDeFilas::actualizar(const QVector<Cambio>& cambios, const FilasReplica& destino)
{
    std::map<QString, QVector<int>> porFirma;
    for (int k = 0; k < cambios.size(); ++k) porFirma[cambios[k].firma].append(k);
    for (const auto& [firma, indices] : porFirma) {
        const Cambio& modelo = cambios[indices.first()];
        QStringList asignaciones;
        for (const QString& columna : modelo.columnas) asignaciones.append(columna + " = ?");
        QVector<int> filas;
        for (const int k : indices) filas.append(cambios[k].filaDestino);
        auto falla = porCondicion(destino, filas, [&](const CondicionLigada& condicion) {
            return destino_.Ejecutar(FalloReplica::Paso::Actualizacion,
                                     "UPDATE " + tabla_ + " SET " + asignaciones.join(", ") + condicion.texto,
                                     modelo.valores + condicion.valores);
        });
        if (falla) return falla;
    }
    return std::nullopt;
}

std::optional<FalloReplica> CopiaDeFilas::porCondicion(
    const FilasReplica& destino, const QVector<int>& filas,
    const std::function<std::optional<FalloReplica>(const CondicionLigada&)>& accion) const
{
    const qsizetype porSentencia = kValoresPorSentencia / 2;
    for (qsizetype desde = 0; desde < filas.size(); desde += porSentencia) {
        QVector<QVector<Variant>> claves;
        for (const int fila : filas.mid(desde, porSentencia)) claves.append(claveDe(destino, fila));
        // Within the copy's own condition too: it may hold what lets the server use an index.
        if (const auto juntas = CondicionDeFilas(claves_, claves, condicion_)) {
            if (auto falla = accion(*juntas)) return falla;
            continue;
        }
        for (const QVector<Variant>& clave : claves) {
            if (auto falla = accion(*CondicionDeFilas(claves_, {clave}, condicion_))) return falla;
        }
    }
    return std::nullopt;
}

QVector<Variant> CopiaDeFilas::claveDe(const FilasReplica& filas, int fila) const
{
    QVector<Variant> valores;
    for (const QString& campo : claves_) {
        const int i = filas.indice(campo);
        valores.append(i < 0 ? Variant::null() : filas.valores[fila][i]);
    }
    return valores;
}

// The row's key values as the databases compare them, case ignored.
QString CopiaDeFilas::textoDeClave(const FilasReplica& filas, int fila) const
{
    QStringList partes;
    const QVector<Variant> valores = claveDe(filas, fila);
    for (const Variant& valor : valores) partes.append(valor.textOrEmpty().toLower());
    return partes.join(kSeparadorClave);
}
