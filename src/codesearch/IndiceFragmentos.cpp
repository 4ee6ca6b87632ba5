#include "codesearch/IndiceFragmentos.h"

#include "codesearch/ReglasBusqueda.h"
#include "codesearch/SentenciasBusqueda.h"
#include "database/TextoSQL.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/db/engines/SqliteFragments.h"

#include <QRegularExpression>
#include <QStringList>

#include <string>

namespace {

constexpr char kSufijo[] = "_FRAGMENTOS";
constexpr size_t kLargoFragmento = db::LongestFragment;
// Above this many rows holding the runs, they are dense enough that the
// table read in order gives a hundred of them sooner than sorting them all.
constexpr int kMaximoFilas = 5000;

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
QString consulta(QStringList fragmentos)
{
    fragmentos.removeDuplicates();
    for (QString& fragmento : fragmentos) fragmento = '"' + fragmento.replace(u'"', QStringLiteral("\"\"")) + '"';
    return fragmentos.join(u' ');
}

}  // namespace

QString IndiceFragmentos::Acotacion(db::Connection& conexion, const ConfiguracionBusqueda& config,
                                    const QString& buscar)
{
    // A "[" opens a set of characters, which no piece stands for.
    if (buscar.contains(u'[') || !ReglasBusqueda::EsTablaArticulos(config.tabla)) return {};
    const QString pregunta = consulta(fragmentos(piezas(buscar)));
    if (pregunta.isEmpty() || !existe(conexion, config.tabla)) return {};
    const QString indice = config.tabla.trimmed() + kSufijo;
    const QString deLasFilas = " from " + indice + " where " + indice + " match " + EntreComillas(pregunta);
    db::Recordset cuenta = conexion.Execute("select count(*) from (select top " + QString::number(kMaximoFilas + 1)
                                            + " rowid" + deLasFilas + ") as filas");
    if (cuenta.Fields(0).Value().toLong() > kMaximoFilas) return {};
    return " and rowid in (select rowid" + deLasFilas + ")";
}

bool IndiceFragmentos::existe(db::Connection& conexion, const QString& tabla)
{
    const QString buscada = conexion.ConnectionString() + '|' + conexion.DefaultDatabase() + '|' + tabla.trimmed();
    if (buscada == buscada_) return existe_;
    db::Recordset tablas = conexion.OpenSchema(db::ado::adSchemaTables, {{}, {}, tabla.trimmed() + kSufijo});
    existe_ = !tablas.Eof();
    buscada_ = buscada;
    return existe_;
}
