#include "equivalences/DeshacerGenerica.h"

#include "database/DB_Dll.h"
#include "equivalences/CodigosEquivalencia.h"
#include "equivalences/HistorialEquivalencias.h"
#include "equivalences/NumeroEscrito.h"
#include "equivalences/SolicitudesEquivalencias.h"
#include "platform/db/GroupedCommits.h"

#include <QHash>

#include <algorithm>
#include <functional>
#include <map>

namespace {

const QString kGrabacionesGenericas =
    " FROM HISTORIAL_EQUIVALENCIAS WHERE ORIGEN = 'GENERICA' AND OPERACION <> 'BAJA'";

QString enFilas(qsizetype n) { return cantidad(n, "fila", "filas"); }

// A coefficient and PARATODOS as the operator reads them.
QString valores(const Variant& coeficiente, const Variant& paraTodos)
{
    const QString texto = coeficiente.isNull() ? QStringLiteral("(sin coeficiente)")
                                               : numeroEscrito(coeficiente.toDouble());
    return texto + (paraTodos.isNull() || paraTodos.toLong() != 1 ? QStringLiteral(" (por artículo)") : QString());
}

bool iguales(const Variant& a, const Variant& b)
{
    if (a.isNull() || b.isNull()) return a.isNull() == b.isNull();
    return a.toDouble() == b.toDouble();
}

}  // namespace

QString DeshacerGenerica::ConsultaDeGrabaciones(const QString& unidad, const QString& equivalente)
{
    return "SELECT MIN(FECHA) AS Fecha, MIN(USUARIO) AS Usuario, MIN(EQUIPO) AS Equipo, "
           "MAX(COEFICIENTE_NUEVO) AS Coeficiente, COUNT(*) AS Filas, GRABACION"
           + kGrabacionesGenericas + " AND " + condicionDelPar(unidad, equivalente)
           + " GROUP BY GRABACION ORDER BY MIN(ID) DESC";
}

DeshacerGenerica DeshacerGenerica::Calcular(DB_Dll& base, const QString& grabacion)
{
    DeshacerGenerica deshacer(base, grabacion);
    const QVector<Nota> notas = deshacer.leerNotas();
    if (!notas.isEmpty()) deshacer.clasificar(notas);
    return deshacer;
}

// One note per article: the first says what the row was before the save,
// the last what the save left.
QVector<DeshacerGenerica::Nota> DeshacerGenerica::leerNotas()
{
    long ignoradas = 0;
    db::Recordset filas = base_->gCnn.Execute(
        "SELECT IDARTICULO, OPERACION, COEFICIENTE_ANTERIOR, PARATODOS_ANTERIOR, COEFICIENTE_NUEVO, PARATODOS_NUEVO, "
        "IDUNIDAD, IDUNIDAD_EQUIV, ID, FECHA, USUARIO"
            + kGrabacionesGenericas + " AND GRABACION = ? ORDER BY ID",
        {grabacion_}, ignoradas);
    QVector<Nota> notas;
    QHash<QString, qsizetype> porArticulo;
    for (; !filas.Eof(); filas.MoveNext()) {
        const auto campo = [&](int i) { return filas.Fields(i).Value(); };
        const Nota nota{campo(0).textOrEmpty(), campo(1).textOrEmpty(), campo(2), campo(3), campo(4), campo(5)};
        if (notas.isEmpty()) {
            unidad_ = campo(6).textOrEmpty();
            equivalente_ = campo(7).textOrEmpty();
            fecha_ = campo(9).toDateTime().toString("dd/MM/yyyy HH:mm");
            usuario_ = campo(10).textOrEmpty();
        }
        ultimaNota_ = campo(8).toLong();
        const QString clave = claveDeCodigo(nota.articulo);
        if (const auto hallada = porArticulo.constFind(clave); hallada != porArticulo.cend()) {
            notas[*hallada].coeficienteNuevo = nota.coeficienteNuevo;
            notas[*hallada].paraTodosNuevo = nota.paraTodosNuevo;
            continue;
        }
        porArticulo.insert(clave, notas.size());
        notas.append(nota);
    }
    return notas;
}

QSet<QString> DeshacerGenerica::cambiadasPorOtrasGrabaciones() const
{
    long ignoradas = 0;
    db::Recordset filas = base_->gCnn.Execute(
        "SELECT IDARTICULO FROM HISTORIAL_EQUIVALENCIAS WHERE IDUNIDAD = ? AND IDUNIDAD_EQUIV = ? AND ID > ? "
        "AND GRABACION <> ?",
        {unidad_, equivalente_, static_cast<qint64>(ultimaNota_), grabacion_}, ignoradas);
    QSet<QString> cambiadas;
    for (; !filas.Eof(); filas.MoveNext()) cambiadas.insert(claveDeCodigo(filas.Fields(0).Value().textOrEmpty()));
    return cambiadas;
}

// A row is taken back only when it is still what the save left and no later
// save touched it: anything else is someone's later work.
void DeshacerGenerica::clasificar(const QVector<Nota>& notas)
{
    const QSet<QString> cambiadas = cambiadasPorOtrasGrabaciones();
    struct Actual {
        Variant coeficiente;
        Variant paraTodos;
    };
    QHash<QString, Actual> actuales;
    long ignoradas = 0;
    db::Recordset filas = base_->gCnn.Execute(
        "SELECT IDARTICULO, COEFICIENTE, PARATODOS FROM S_TA_EQUIV WHERE IDUNIDAD = ? AND IDUNIDAD_EQUIV = ?",
        {unidad_, equivalente_}, ignoradas);
    for (; !filas.Eof(); filas.MoveNext())
        actuales.insert(claveDeCodigo(filas.Fields(0).Value().textOrEmpty()),
                        {filas.Fields(1).Value(), filas.Fields(2).Value()});
    for (const Nota& nota : notas) {
        const QString clave = claveDeCodigo(nota.articulo);
        const auto actual = actuales.constFind(clave);
        const bool comoLaDejo = actual != actuales.cend() && iguales(actual->coeficiente, nota.coeficienteNuevo)
                                && iguales(actual->paraTodos, nota.paraTodosNuevo);
        if (!comoLaDejo || cambiadas.contains(clave))
            cambiadasDespues_.append(nota.articulo);
        else if (nota.operacion == HistorialEquivalencias::kAlta)
            seVan_.append(nota.articulo);
        else
            vuelven_.append({nota.articulo, nota.coeficienteAnterior, nota.paraTodosAnterior});
    }
}

QString DeshacerGenerica::Pregunta(const QStringList& destinos) const
{
    QString texto = "Se deshará la grabación genérica de " + unidad_ + " a " + equivalente_ + " del " + fecha_ + " ("
                    + usuario_ + "):";
    for (const QVector<Vuelta>& grupo : vueltasPorValores())
        texto += "\n    " + enFilas(grupo.size()) + (grupo.size() == 1 ? " vuelve a " : " vuelven a ")
                 + valores(grupo.first().coeficiente, grupo.first().paraTodos);
    if (!seVan_.isEmpty())
        texto += "\n    " + enFilas(seVan_.size()) + (seVan_.size() == 1 ? " agregada se borra" : " agregadas se borran");
    if (!cambiadasDespues_.isEmpty()) {
        texto += "\n" + enFilas(cambiadasDespues_.size()) + " cambiadas después quedan como están: "
                 + cambiadasDespues_.mid(0, kCambiadasMostradas).join(", ");
        if (cambiadasDespues_.size() > kCambiadasMostradas)
            texto += QStringLiteral(" y %1 más").arg(cambiadasDespues_.size() - kCambiadasMostradas);
    }
    return texto + SolicitudesEquivalencias::DondeSeReplica(destinos) + "\n\n¿Desea deshacerla?";
}

// The rows that go back to the same values, most numerous first.
QVector<QVector<DeshacerGenerica::Vuelta>> DeshacerGenerica::vueltasPorValores() const
{
    std::map<QString, QVector<Vuelta>> grupos;
    for (const Vuelta& vuelta : vuelven_) {
        const QString clave = (vuelta.coeficiente.isNull() ? QStringLiteral("-") : vuelta.coeficiente.textOrEmpty())
                              + "|" + (vuelta.paraTodos.isNull() ? QStringLiteral("-") : vuelta.paraTodos.textOrEmpty());
        grupos[clave].append(vuelta);
    }
    QVector<QVector<Vuelta>> lista;
    for (auto& [clave, grupo] : grupos) lista.append(std::move(grupo));
    std::stable_sort(lista.begin(), lista.end(), [](const auto& a, const auto& b) { return a.size() > b.size(); });
    return lista;
}

int DeshacerGenerica::Ejecutar(Replicacion& replicacion, int articulosPorTramo)
{
    HistorialEquivalencias historial(*base_, HistorialEquivalencias::Origen::Deshacer);
    db::GroupedCommits escrituras(base_->gCnn, [&replicacion] { replicacion.ConfirmarCopias(); });
    const auto enTramos = [&](const QStringList& articulos, long operacion,
                              const std::function<void(qsizetype, qsizetype)>& escribir) {
        for (qsizetype desde = 0; desde < articulos.size(); desde += articulosPorTramo) {
            const qsizetype hasta = std::min(articulos.size(), desde + articulosPorTramo);
            escrituras.beforeWrite();
            escribir(desde, hasta);
            SolicitudesEquivalencias::PedirTramo(replicacion, kTablaEquivalencias, operacion,
                                                 articulos.mid(desde, hasta - desde), unidad_, equivalente_);
            escrituras.commit();
        }
    };
    for (const QVector<Vuelta>& grupo : vueltasPorValores()) {
        QStringList articulos;
        for (const Vuelta& vuelta : grupo) articulos.append(vuelta.articulo);
        enTramos(articulos, SolicitudesEquivalencias::kAltaOModificacion,
                 [&](qsizetype desde, qsizetype hasta) { volver(historial, grupo.mid(desde, hasta - desde)); });
    }
    enTramos(seVan_, SolicitudesEquivalencias::kBaja,
             [&](qsizetype desde, qsizetype hasta) { borrar(historial, seVan_.mid(desde, hasta - desde)); });
    return static_cast<int>(vuelven_.size() + seVan_.size());
}

// Every row of the stretch goes back to the same values.
void DeshacerGenerica::volver(HistorialEquivalencias& historial, const QVector<Vuelta>& tramo)
{
    QStringList articulos;
    for (const Vuelta& vuelta : tramo) articulos.append(vuelta.articulo);
    const Variant& coeficiente = tramo.first().coeficiente;
    const Variant& paraTodos = tramo.first().paraTodos;
    const FilasDelPar filas = filasDelPar(unidad_, equivalente_, articulos);
    historial.AntesDeCambiar(filas.condicion, filas.valores, coeficiente, paraTodos);
    long cambiadas = 0;
    base_->gCnn.Execute("UPDATE S_TA_EQUIV SET COEFICIENTE = ?, PARATODOS = ? WHERE " + filas.condicion,
                        QVector<Variant>{coeficiente, paraTodos} + filas.valores, cambiadas);
}

void DeshacerGenerica::borrar(HistorialEquivalencias& historial, const QStringList& tramo)
{
    const FilasDelPar filas = filasDelPar(unidad_, equivalente_, tramo);
    historial.AntesDeBorrar(filas.condicion, filas.valores);
    long borradas = 0;
    base_->gCnn.Execute("DELETE FROM S_TA_EQUIV WHERE " + filas.condicion, filas.valores, borradas);
}
