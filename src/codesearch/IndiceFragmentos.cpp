#include "codesearch/IndiceFragmentos.h"

#include "codesearch/ReglasBusqueda.h"
#include "codesearch/SentenciasBusqueda.h"
#include "database/TextoSQL.h"
#include "platform/ErrorVB.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/db/engines/SqliteFragments.h"

#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <string>

namespace {

constexpr char kIndice[] = "_INDICE";
constexpr char kIndexados[] = "_INDEXADOS";
constexpr char kCambios[] = "_CAMBIOS";
constexpr size_t kLargoFragmento = db::LongestFragment;
// Above this many rows holding the runs, they are dense enough that the
// table read in order gives a hundred of them sooner than sorting them all.
constexpr int kMaximoFilas = 5000;

QString nombre(const ConfiguracionBusqueda& config, const char* sufijo) { return config.tabla.trimmed() + sufijo; }

// The pieces of the LIKE pattern that stand for themselves: what lies
// between its wildcards.
QStringList piezas(const QString& buscar)
{
    static const QRegularExpression comodines(QStringLiteral("[%_\\]]+"));
    return SentenciasBusqueda::Patron(buscar).split(comodines, Qt::SkipEmptyParts);
}

// The runs of the longest length in the pieces that have them, or else the
// shorter pieces whole.
QStringList fragmentos(const QStringList& piezas)
{
    QStringList largos;
    QStringList cortos;
    for (const QString& pieza : piezas) {
        const std::u32string caracteres = pieza.toStdU32String();
        if (caracteres.size() < kLargoFragmento) cortos << pieza;
        for (size_t i = 0; i + kLargoFragmento <= caracteres.size(); ++i)
            largos << QString::fromStdU32String(caracteres.substr(i, kLargoFragmento));
    }
    return largos.isEmpty() ? cortos : largos;
}

// A full-text query that asks for every run.
QString consulta(const QStringList& fragmentos)
{
    QStringList fichas;
    for (const QString& fragmento : fragmentos) fichas << '"' + db::fragmentToken(fragmento) + '"';
    fichas.removeDuplicates();
    return fichas.join(u' ');
}

// SQLite waits out another connection's write for the command time-out, and
// not at all with none: then a write that cannot be made now fails at once.
class SinEspera {
public:
    explicit SinEspera(db::Connection& conexion) : conexion_(conexion), espera_(conexion.CommandTimeout())
    {
        conexion_.setCommandTimeout(0);
    }
    ~SinEspera() { conexion_.setCommandTimeout(espera_); }
    SinEspera(const SinEspera&) = delete;
    SinEspera& operator=(const SinEspera&) = delete;

private:
    db::Connection& conexion_;
    int espera_;
};

// A failed transaction is undone when SQLite left it open.
void deshacer(db::Connection& conexion)
{
    try {
        conexion.RollbackTrans();
    } catch (const ErrorVB&) {
    }
}

}  // namespace

void IndiceFragmentos::PonerAlDia(db::Connection& conexion, const ConfiguracionBusqueda& config)
{
    if (!indexada(conexion, config) || conexion.Execute("select top 1 Id from " + nombre(config, kCambios)).Eof())
        return;
    // While another connection writes, the next search tries again.
    const SinEspera sinEspera(conexion);
    try {
        conexion.BeginTrans();
        for (const QString& sentencia : PuestaAlDia(config, kCambiosPorBusqueda)) conexion.Execute(sentencia);
        conexion.CommitTrans();
    } catch (const ErrorVB&) {
        deshacer(conexion);
    }
}

QString IndiceFragmentos::Acotacion(db::Connection& conexion, const ConfiguracionBusqueda& config,
                                    const QString& buscar)
{
    // A "[" opens a set of characters, which no piece stands for.
    if (buscar.contains(u'[')) return {};
    const QString pregunta = consulta(fragmentos(piezas(buscar)));
    if (pregunta.isEmpty() || !indexada(conexion, config)) return {};
    const QString indice = nombre(config, kIndice);
    const QString anotados = nombre(config, kCambios);
    const QString coinciden = " from " + indice + " where " + indice + " match " + EntreComillas(pregunta);
    // Counted apart, each up to the limit: the index gives its rows one by one.
    const QString primeras = " from (select top " + QString::number(kMaximoFilas + 1) + " ";
    db::Recordset cuenta = conexion.Execute("select (select count(*)" + primeras + "rowid" + coinciden
                                            + ") as i) as indice, (select count(*)" + primeras + "Id from " + anotados
                                            + ") as c) as anotados");
    if (cuenta.Fields(0).Value().toLong() + cuenta.Fields(1).Value().toLong() > kMaximoFilas) return {};
    const QString& codigo = config.campoCodigo;
    const QString tabla = config.tabla.trimmed();
    // Each article the index points to is at the rowid it had when taken in,
    // unless the table was renumbered since: then it is found by its code.
    const QString fila = "case when (select b." + codigo + " from " + tabla + " b where b.rowid = d.Fila) = d." + codigo
                         + " then d.Fila else (select a.rowid from " + tabla + " a where a." + codigo + " = d." + codigo
                         + ") end";
    const QString deLasAnotadas =
        "select rowid from " + tabla + " where " + codigo + " in (select " + codigo + " from " + anotados + ")";
    return " and rowid in (select " + fila + " from " + nombre(config, kIndexados) + " d where d.Id in (select rowid"
           + coinciden + ") union all " + deLasAnotadas + ")";
}

QStringList IndiceFragmentos::PuestaAlDia(const ConfiguracionBusqueda& config, std::optional<int> cambios)
{
    const QString indice = nombre(config, kIndice);
    const QString indexados = nombre(config, kIndexados);
    const QString anotados = nombre(config, kCambios);
    const QString& codigo = config.campoCodigo;
    const QString& descripcion = config.campoDescripcion;
    const QString primeros =
        cambios ? "(select top " + QString::number(*cambios) + " Id from " + anotados + " order by Id) as primeros"
                : anotados;
    const QString hasta = " where Id <= (select max(Id) from " + primeros + ")";
    const QString anotado = " where " + codigo + " in (select " + codigo + " from " + anotados + hasta + ")";
    const QString fragmentos = QString(db::FragmentsFunction) + "(" + descripcion + ", " + codigo + ")";
    // The index forgets what it held of each noted code, then takes what the
    // table holds under it now, if anything.
    return {
        "insert into " + indice + " (" + indice + ", rowid, Fragmentos) select 'delete', Id, " + fragmentos + " from "
            + indexados + anotado,
        "delete from " + indexados + anotado,
        // In the order of the descriptions, so that the articles a text finds,
        // which mostly share words, lie together.
        "insert into " + indexados + " (Fila, " + codigo + ", " + descripcion + ") select rowid, " + codigo + ", "
            + descripcion + " from " + config.tabla.trimmed() + anotado + " order by " + descripcion,
        "insert into " + indice + " (rowid, Fragmentos) select Id, " + fragmentos + " from " + indexados + anotado,
        "delete from " + anotados + hasta,
    };
}

bool IndiceFragmentos::indexada(db::Connection& conexion, const ConfiguracionBusqueda& config)
{
    if (!ReglasBusqueda::EsTablaArticulos(config.tabla)) return false;
    const QString buscada =
        conexion.ConnectionString() + '|' + conexion.DefaultDatabase() + '|' + config.tabla.trimmed();
    if (buscada == buscada_) return existe_;
    existe_ = std::ranges::all_of(std::array{kIndice, kIndexados, kCambios}, [&](const char* sufijo) {
        return !conexion.OpenSchema(db::ado::adSchemaTables, {{}, {}, nombre(config, sufijo)}).Eof();
    });
    buscada_ = buscada;
    return existe_;
}
