#include "replication/CopiaDeFilas.h"

#include "database/DB_Dll.h"
#include "platform/VbText.h"
#include "replication/CondicionReplica.h"
#include "replication/DestinoReplica.h"
#include "replication/ValorReplica.h"

#include <QHash>
#include <QSet>

namespace {

// Columns an update leaves as the target has them.
const QStringList kNoSeComparan{"ID", "IMAGE", "OBSERVACIONES", "DescripcionAdicional"};
constexpr QChar kSeparadorClave = u'\x1f';

}  // namespace

// The rows of one side, read whole: a save's rows are few.
struct CopiaDeFilas::Filas {
    QStringList columnas;
    QVector<db::ColumnType> tipos;
    QVector<QVector<Variant>> valores;

    static Filas de(db::Recordset& filas)
    {
        Filas leidas;
        if (filas.State() != db::ado::adStateOpen) return leidas;
        for (int i = 0; i < filas.FieldCount(); ++i) {
            db::Field campo = filas.Fields(i);
            leidas.columnas.append(campo.Name());
            leidas.tipos.append({campo.Type(), campo.DefinedSize()});
        }
        for (; !filas.Eof(); filas.MoveNext()) {
            QVector<Variant> fila;
            for (int i = 0; i < filas.FieldCount(); ++i) fila.append(filas.Fields(i).Value());
            leidas.valores.append(fila);
        }
        return leidas;
    }

    int indice(const QString& columna) const
    {
        for (int i = 0; i < columnas.size(); ++i) {
            if (vb::SameText(columnas[i], columna)) return i;
        }
        return -1;
    }
};

CopiaDeFilas::CopiaDeFilas(DB_Dll& empresa, DestinoReplica& destino, QString Tabla, QStringList claves,
                           QString Condicion)
    : empresa_(empresa),
      destino_(destino),
      tabla_(std::move(Tabla)),
      claves_(std::move(claves)),
      condicion_(std::move(Condicion))
{
}

std::optional<FalloReplica> CopiaDeFilas::Ejecutar()
{
    Filas destino;
    Filas empresa;
    if (auto falla = leerDestino(destino)) return falla;
    if (auto falla = leerEmpresa(empresa)) return falla;
    if (destino_.Borra()) {
        if (auto falla = borrarSobrantes(destino, empresa)) return falla;
    }
    QHash<QString, int> enDestino;
    for (int j = 0; j < destino.valores.size(); ++j) enDestino.insert(claveDe(destino, j), j);
    for (int i = 0; i < empresa.valores.size(); ++i) {
        const auto par = enDestino.constFind(claveDe(empresa, i));
        std::optional<FalloReplica> falla;
        if (par == enDestino.constEnd()) {
            if (destino_.Inserta()) falla = insertar(empresa, i);
        } else if (destino_.Actualiza()) {
            falla = actualizar(empresa, i, destino, *par);
        }
        if (falla) return falla;
    }
    return std::nullopt;
}

std::optional<FalloReplica> CopiaDeFilas::leerDestino(Filas& filas)
{
    db::Recordset leidas;
    if (auto falla = destino_.Leer("SELECT * FROM " + tabla_ + condicion_, leidas)) return falla;
    filas = Filas::de(leidas);
    return std::nullopt;
}

// The company's rows as its table holds them, whoever is signed in: a
// restricted view would hide rows and so delete them from the target.
std::optional<FalloReplica> CopiaDeFilas::leerEmpresa(Filas& filas) const
{
    const QString sentencia = "SELECT * FROM " + tabla_ + condicion_;
    try {
        db::Recordset leidas = empresa_.gCnn.Execute(sentencia);
        filas = Filas::de(leidas);
        return std::nullopt;
    } catch (const ErrorVB& error) {
        // Not to be taken later for a failure of the window's own statements.
        empresa_.gCnn.errors().Clear();
        return FalloReplica{FalloReplica::Paso::Lectura, sentencia, error.numero, error.descripcion, false};
    }
}

std::optional<FalloReplica> CopiaDeFilas::borrarSobrantes(const Filas& destino, const Filas& empresa)
{
    if (destino.valores.isEmpty()) return std::nullopt;
    if (empresa.valores.isEmpty())
        return destino_.Ejecutar(FalloReplica::Paso::Borrado, "DELETE " + tabla_ + condicion_);
    QSet<QString> enEmpresa;
    for (int i = 0; i < empresa.valores.size(); ++i) enEmpresa.insert(claveDe(empresa, i));
    for (int j = 0; j < destino.valores.size(); ++j) {
        if (enEmpresa.contains(claveDe(destino, j))) continue;
        if (auto falla =
                destino_.Ejecutar(FalloReplica::Paso::Borrado, "DELETE " + tabla_ + condicionDeFila(destino, j)))
            return falla;
    }
    return std::nullopt;
}

std::optional<FalloReplica> CopiaDeFilas::insertar(const Filas& empresa, int fila)
{
    QStringList columnas;
    if (auto falla = destino_.ColumnasInsertables(tabla_, columnas)) return falla;
    QStringList nombres;
    QStringList valores;
    for (const QString& columna : columnas) {
        const int i = empresa.indice(columna);
        if (i < 0) continue;
        nombres.append(columna);
        valores.append(ValorReplica(empresa.valores[fila][i], empresa.tipos[i]));
    }
    return destino_.Ejecutar(FalloReplica::Paso::Insercion, "INSERT INTO " + tabla_ + "(" + nombres.join(u',') + ") "
                                                                + " VALUES (" + valores.join(u',') + ")");
}

std::optional<FalloReplica> CopiaDeFilas::actualizar(const Filas& empresa, int fila, const Filas& destino,
                                                     int filaDestino)
{
    QStringList cambios;
    for (int j = 0; j < destino.columnas.size(); ++j) {
        const QString& columna = destino.columnas[j];
        const int i = empresa.indice(columna);
        if (i < 0 || kNoSeComparan.contains(columna, Qt::CaseInsensitive)) continue;
        const Variant& valor = empresa.valores[fila][i];
        if (MismoValor(valor, destino.valores[filaDestino][j], empresa.tipos[i])) continue;
        cambios.append(columna + "=" + ValorReplica(valor, empresa.tipos[i]));
    }
    if (cambios.isEmpty()) return std::nullopt;
    return destino_.Ejecutar(FalloReplica::Paso::Actualizacion,
                             "UPDATE " + tabla_ + " SET " + cambios.join(", ") + condicionDeFila(destino, filaDestino));
}

// The row's key values as the databases compare them, case ignored.
QString CopiaDeFilas::claveDe(const Filas& filas, int fila) const
{
    QStringList partes;
    for (const QString& campo : claves_) {
        const int i = filas.indice(campo);
        partes.append(i < 0 ? QString() : filas.valores[fila][i].textOrEmpty().toLower());
    }
    return partes.join(kSeparadorClave);
}

QString CopiaDeFilas::condicionDeFila(const Filas& filas, int fila) const
{
    QVector<Variant> valores;
    QVector<db::ColumnType> tipos;
    for (const QString& campo : claves_) {
        const int i = filas.indice(campo);
        valores.append(i < 0 ? Variant::null() : filas.valores[fila][i]);
        tipos.append(i < 0 ? db::ColumnType{} : filas.tipos[i]);
    }
    return CondicionDeFila(claves_, valores, tipos);
}
