#include "replication/ListaPendientes.h"

#include "database/DB_Dll.h"
#include "database/TextoSQL.h"
#include "platform/VbText.h"
#include "replication/CatalogoReplica.h"
#include "replication/DestinoReplica.h"
#include "suitesupport/QvFunciones.h"

#include <optional>

namespace {

constexpr const char* kNombreTabla = ListaPendientes::kTabla.nombre;
constexpr int kLargoError = 250;

QString comillas(const QString& texto) { return EntreComillas(texto); }

QString condicionDeEntrada(const DatosDestino& destino, const SolicitudReplica& solicitud)
{
    QString condicion = " WHERE DESTINO = " + comillas(destino.tipo) + " AND CODIGO_TPV = " + comillas(destino.codigo)
                        + " AND TABLA = " + comillas(solicitud.Tabla);
    for (size_t i = 0; i < solicitud.Claves.size(); ++i) {
        condicion += " AND CLAVE" + QString::number(i + 1) + " = " + comillas(solicitud.Claves[i]);
    }
    return condicion + " AND CONDICION = " + comillas(solicitud.Condicion);
}

QString texto(db::Recordset& filas, const QString& columna) { return filas.Fields(columna).Value().textOrEmpty(); }

}  // namespace

// A statement of the list on the company database; its failure is the
// caller's to know and is not left behind for the window's next one.
bool ListaPendientes::ejecutar(const QString& sentencia) const
{
    base_.gCnn.errors().Clear();
    base_.EjecutaConsultaSQL(sentencia);
    const bool hecho = base_.gCnn.errors().Count() == 0;
    base_.gCnn.errors().Clear();
    return hecho;
}

std::optional<db::Recordset> ListaPendientes::leer(const QString& sentencia) const
{
    try {
        return base_.gCnn.Execute(sentencia);
    } catch (const ErrorVB&) {
        base_.gCnn.errors().Clear();
        return std::nullopt;
    }
}

// Whether copies of the tables are pending for the point of sale; nothing
// when the list cannot be read.
std::optional<bool> ListaPendientes::hayPendientesDe(const QString& codigoTPV, const QStringList& tablas) const
{
    QStringList lista;
    for (const QString& tabla : tablas) lista.append(comillas(tabla));
    auto filas = leer(QString("SELECT COUNT(*) AS N FROM ") + kNombreTabla + " WHERE DESTINO = " + comillas(kDestinoTPV)
                      + " AND CODIGO_TPV = " + comillas(codigoTPV) + " AND TABLA IN (" + lista.join(u',') + ")");
    if (!filas || filas->Eof()) return std::nullopt;
    return filas->Fields("N").Value().toLong() > 0;
}

bool ListaPendientes::Agregar(const DatosDestino& destino, const SolicitudReplica& solicitud, const QString& error)
{
    auto existente = leer(QString("SELECT ID FROM ") + kNombreTabla + condicionDeEntrada(destino, solicitud));
    if (!existente) return false;
    if (!existente->Eof()) {
        AnotarFallo(existente->Fields("ID").Value().toLong(), error);
        return true;
    }
    QStringList valores{comillas(destino.tipo), comillas(destino.codigo), comillas(solicitud.Tabla)};
    for (const QString& clave : solicitud.Claves) valores.append(comillas(clave));
    valores << comillas(solicitud.Condicion) << QString::number(solicitud.Operacion) << "getDate()"
            << comillas(QvFunciones::TextoMaximo(error, kLargoError)) << "1";
    return ejecutar(QString("INSERT INTO ") + kNombreTabla
                    + " (DESTINO, CODIGO_TPV, TABLA, CLAVE1, CLAVE2, CLAVE3, CLAVE4, CLAVE5, CLAVE6, CONDICION, "
                      "OPERACION, FECHA, ULTIMO_ERROR, INTENTOS) VALUES ("
                    + valores.join(", ") + ")");
}

QVector<Pendiente> ListaPendientes::Todos() const
{
    QVector<Pendiente> todos;
    auto filas = leer(QString("SELECT * FROM ") + kNombreTabla + " ORDER BY ID");
    if (!filas) return todos;
    for (; !filas->Eof(); filas->MoveNext()) {
        Pendiente pendiente;
        pendiente.id = filas->Fields("ID").Value().toLong();
        pendiente.destino = texto(*filas, "DESTINO");
        pendiente.codigoTPV = texto(*filas, "CODIGO_TPV");
        pendiente.solicitud.Tabla = texto(*filas, "TABLA");
        pendiente.solicitud.Operacion = filas->Fields("OPERACION").Value().toLong();
        for (size_t i = 0; i < pendiente.solicitud.Claves.size(); ++i)
            pendiente.solicitud.Claves[i] = texto(*filas, "CLAVE" + QString::number(i + 1));
        pendiente.solicitud.Condicion = texto(*filas, "CONDICION");
        todos.append(pendiente);
    }
    return todos;
}

bool ListaPendientes::Vacia() const
{
    auto filas = leer(QString("SELECT COUNT(*) AS N FROM ") + kNombreTabla);
    return !filas || filas->Eof() || filas->Fields("N").Value().toLong() == 0;
}

void ListaPendientes::Quitar(qint64 id)
{
    (void)ejecutar(QString("DELETE ") + kNombreTabla + " WHERE ID = " + QString::number(id));
}

void ListaPendientes::AnotarFallo(qint64 id, const QString& error)
{
    (void)ejecutar(QString("UPDATE ") + kNombreTabla
                   + " SET ULTIMO_ERROR = " + comillas(QvFunciones::TextoMaximo(error, kLargoError))
                   + ", FECHA = getDate(), INTENTOS = INTENTOS + 1 WHERE ID = " + QString::number(id));
}

void ListaPendientes::MarcarPuntoDeVenta(const QString& codigoTPV, const QStringList& tablas)
{
    QStringList marcas;
    for (const QString& tabla : tablas) {
        const auto grupo = GrupoDeTablasTPV(tabla);
        if (!grupo) continue;
        for (const QString& marca : grupo->columnasPendientes) {
            if (!marcas.contains(marca)) marcas.append(marca);
        }
    }
    for (const QString& marca : marcas) {
        // The suite's other programs rely on the mark: a list that cannot be
        // read leaves it as it is rather than clear it.
        const std::optional<bool> pendientes = hayPendientesDe(codigoTPV, TablasConMarcaPendiente(marca));
        if (!pendientes) continue;
        (void)ejecutar("UPDATE V_TA_TPV SET " + marca + " = " + (*pendientes ? "1" : "0")
                       + " WHERE CODIGO = " + comillas(codigoTPV));
    }
}
