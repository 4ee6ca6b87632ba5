#include "equivalences/EscrituraGenerica.h"

#include "database/DB_Dll.h"
#include "database/TextoSQL.h"
#include "equivalences/CodigosEquivalencia.h"
#include "equivalences/HistorialEquivalencias.h"
#include "session/ModGlobal.h"

namespace {

const QString kSinFilas = "SELECT * FROM S_TA_EQUIV WHERE 1 = 0";


}  // namespace

EscrituraGenerica::EscrituraGenerica(DB_Dll& base, HistorialEquivalencias& historial, QString unidad,
                                     QString equivalente, const QString& coeficiente)
    : base_(base), historial_(historial), unidad_(std::move(unidad)), equivalente_(std::move(equivalente))
{
    coeficiente_ = coeficienteDeLaColumna(coeficiente);
    db::Recordset existentes;
    base_.AbrirRecordset("SELECT IDARTICULO FROM S_TA_EQUIV WHERE " + condicionDelPar(unidad_, equivalente_),
                         existentes, nullptr, db::ado::adOpenForwardOnly, db::ado::adLockReadOnly);
    for (; !existentes.Eof(); existentes.MoveNext()) conFila_.insert(claveDeCodigo(existentes.Fields(0).Value().textOrEmpty()));
}

// The text as a row of the table would take it, without writing that row.
Variant EscrituraGenerica::coeficienteDeLaColumna(const QString& coeficiente)
{
    db::Recordset fila;
    base_.AbrirRecordset(kSinFilas, fila, nullptr, db::ado::adOpenDynamic, db::ado::adLockOptimistic);
    fila.AddNew();
    try {
        AsignarCampo(fila, "Coeficiente", coeficiente);
    } catch (...) {
        fila.CancelUpdate();
        throw;
    }
    const Variant leido = fila.Fields("Coeficiente").Value();
    fila.CancelUpdate();
    return leido;
}

// A row counted as held may have been deleted by someone else since it was
// read: fewer rows are then changed than expected, and those articles are
// added again where they lack the row.
QString EscrituraGenerica::Grabar(const QStringList& articulos)
{
    const auto rango = rangoDe(articulos);
    if (!rango) return {};
    QStringList conSuFila;
    QStringList sinFila;
    for (const QString& articulo : articulos) (conFila_.contains(claveDeCodigo(articulo)) ? conSuFila : sinFila).append(articulo);
    const long cambiadas = conSuFila.isEmpty() ? 0 : cambiarFilas(conSuFila, *rango);
    if (!sinFila.isEmpty()) agregarFilas(sinFila, false);
    if (cambiadas < conSuFila.size()) agregarFilas(conSuFila, true);
    for (const QString& articulo : sinFila) conFila_.insert(claveDeCodigo(articulo));
    return "IDARTICULO BETWEEN " + EntreComillas(rango->first) + " AND " + EntreComillas(rango->second);
}

std::optional<std::pair<QString, QString>> EscrituraGenerica::rangoDe(const QStringList& articulos)
{
    long ignoradas = 0;
    db::Recordset extremos = base_.gCnn.Execute(
        "SELECT MIN(IDARTICULO), MAX(IDARTICULO) FROM V_MA_ARTICULOS WHERE IDARTICULO IN " + db::Connection::markerList(articulos.size()),
        comoValores(articulos), ignoradas);
    if (extremos.Eof() || extremos.Fields(0).Value().isNull()) return std::nullopt;
    return std::pair{extremos.Fields(0).Value().textOrEmpty(), extremos.Fields(1).Value().textOrEmpty()};
}

long EscrituraGenerica::cambiarFilas(const QStringList& articulos, const std::pair<QString, QString>& rango)
{
    const QString condicion = "IDUNIDAD = ? AND IDUNIDAD_EQUIV = ? AND IDARTICULO BETWEEN ? AND ? AND IDARTICULO IN "
                              + db::Connection::markerList(articulos.size());
    const QVector<Variant> claves =
        QVector<Variant>{unidad_, equivalente_, rango.first, rango.second} + comoValores(articulos);
    historial_.AntesDeCambiar(condicion, claves, coeficiente_, Variant(1));
    long cambiadas = 0;
    base_.gCnn.Execute("UPDATE S_TA_EQUIV SET COEFICIENTE = ?, PARATODOS = 1 WHERE " + condicion,
                       QVector<Variant>{coeficiente_} + claves, cambiadas);
    return cambiadas;
}

// The codes are written as the article table holds them. Articles known to
// lack the row are added outright: asking the table for each would cost a
// search per row, which a server may turn into a scan of the pair.
void EscrituraGenerica::agregarFilas(const QStringList& articulos, bool soloDondeFalte)
{
    QString deArticulos = "FROM V_MA_ARTICULOS A WHERE A.IDARTICULO IN " + db::Connection::markerList(articulos.size());
    QVector<Variant> ligados = comoValores(articulos);
    if (soloDondeFalte) {
        deArticulos += " AND NOT EXISTS (SELECT 1 FROM S_TA_EQUIV E WHERE E.IDARTICULO = A.IDARTICULO "
                       "AND E.IDUNIDAD = ? AND E.IDUNIDAD_EQUIV = ?)";
        ligados += QVector<Variant>{unidad_, equivalente_};
    }
    historial_.AntesDeAgregar(deArticulos, ligados, unidad_, equivalente_, coeficiente_, 1);
    long agregadas = 0;
    base_.gCnn.Execute("INSERT INTO S_TA_EQUIV (IDARTICULO, IDUNIDAD, IDUNIDAD_EQUIV, COEFICIENTE, PARATODOS) "
                       "SELECT A.IDARTICULO, ?, ?, ?, 1 "
                           + deArticulos,
                       QVector<Variant>{unidad_, equivalente_, coeficiente_} + ligados, agregadas);
}
