#include "codesearch/IndiceTrigramas.h"

#include "codesearch/ReglasBusqueda.h"
#include "codesearch/SentenciasBusqueda.h"
#include "database/TextoSQL.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/db/tsql/LikeFolding.h"

#include <QRegularExpression>
#include <QStringList>

#include <string>

namespace {

constexpr char kSufijo[] = "_TRIGRAMAS";
constexpr size_t kLargoTrigrama = 3;
// Above this many rows holding the pieces, they are dense enough that the
// table read in order gives a hundred of them sooner than sorting them all.
constexpr int kMaximoFilas = 5000;

// The pieces of the LIKE pattern that stand for themselves, folded: what
// lies between its wildcards.
QStringList piezas(const QString& buscar)
{
    static const QRegularExpression comodines(QStringLiteral("[%_\\]]+"));
    return db::likeFoldedText(SentenciasBusqueda::Patron(buscar)).split(comodines, Qt::SkipEmptyParts);
}

// Every run of three characters of the pieces, as a full-text query that
// asks for all of them.
QString consulta(const QStringList& piezas)
{
    QStringList trigramas;
    for (const QString& pieza : piezas) {
        const std::u32string caracteres = pieza.toStdU32String();
        for (size_t i = 0; i + kLargoTrigrama <= caracteres.size(); ++i) {
            QString trigrama = QString::fromStdU32String(caracteres.substr(i, kLargoTrigrama));
            trigramas << '"' + trigrama.replace(u'"', QStringLiteral("\"\"")) + '"';
        }
    }
    trigramas.removeDuplicates();
    return trigramas.join(u' ');
}

}  // namespace

QString IndiceTrigramas::Acotacion(db::Connection& conexion, const ConfiguracionBusqueda& config, const QString& buscar)
{
    // A "[" opens a set of characters, which no piece stands for.
    if (buscar.contains(u'[') || !ReglasBusqueda::EsTablaArticulos(config.tabla)) return {};
    const QString pregunta = consulta(piezas(buscar));
    if (pregunta.isEmpty() || !existe(conexion, config.tabla)) return {};
    const QString indice = config.tabla.trimmed() + kSufijo;
    const QString deLasFilas = " from " + indice + " where " + indice + " match " + EntreComillas(pregunta);
    db::Recordset cuenta = conexion.Execute("select count(*) from (select top " + QString::number(kMaximoFilas + 1)
                                            + " rowid" + deLasFilas + ") as filas");
    if (cuenta.Fields(0).Value().toLong() > kMaximoFilas) return {};
    return " and rowid in (select rowid" + deLasFilas + ")";
}

bool IndiceTrigramas::existe(db::Connection& conexion, const QString& tabla)
{
    const QString buscada = conexion.ConnectionString() + '|' + conexion.DefaultDatabase() + '|' + tabla.trimmed();
    if (buscada == buscada_) return existe_;
    db::Recordset tablas = conexion.OpenSchema(db::ado::adSchemaTables, {{}, {}, tabla.trimmed() + kSufijo});
    existe_ = !tablas.Eof();
    buscada_ = buscada;
    return existe_;
}
