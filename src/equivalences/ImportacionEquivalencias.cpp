#include "equivalences/ImportacionEquivalencias.h"

#include "database/DB_Dll.h"
#include "equivalences/CodigosEquivalencia.h"
#include "equivalences/HistorialEquivalencias.h"
#include "equivalences/MensajesEquivalencias.h"
#include "equivalences/NumeroEscrito.h"
#include "equivalences/SolicitudesEquivalencias.h"
#include "platform/VbText.h"
#include "platform/db/GroupedCommits.h"
#include "platform/os/SpreadsheetReader.h"
#include "platform/os/SpreadsheetWriter.h"
#include "suitesupport/QvFunciones.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

#include <map>
#include <optional>
#include <tuple>

namespace {

enum Columna { kArticulo, kUnidad, kEquivalente, kCoeficiente, kGenerica, kColumnas };

const QStringList kTitulos{"Artículo", "Unidad", "Unidad equivalente", "Coeficiente", "Genérica"};
const QString kMismaUnidadImportada = "La unidad y la unidad equivalente deben ser distintas";
const QString kMarcaInvalida = "La marca de genérica debe ser S, N, 1, 0 o quedar vacía";
// A statement binds at most this many values: SQL Server takes 2 100.
constexpr int kValoresPorSentencia = 2000;
constexpr int kValoresPorFila = 5;

QString celda(const QStringList& fila, int columna) { return columna < fila.size() ? vb::Trim(fila[columna]) : QString(); }

bool vacia(const QStringList& fila)
{
    return std::all_of(fila.cbegin(), fila.cend(), [](const QString& texto) { return vb::IsBlank(texto); });
}

// Yes, no, or a mark that means neither.
std::optional<bool> marcaGenerica(const QString& texto)
{
    const QString marca = texto.toUpper();
    if (marca.isEmpty() || marca == "N" || marca == "NO" || marca == "0" || marca == "FALSO") return false;
    if (marca == "S" || marca == "SI" || marca == "SÍ" || marca == "1" || marca == "X" || marca == "VERDADERO")
        return true;
    return std::nullopt;
}

// The codes of a table, by their key, as the table holds them.
QHash<QString, QString> codigosExistentes(DB_Dll& base, const QString& sentencia, const QStringList& codigos)
{
    QHash<QString, QString> existentes;
    for (qsizetype desde = 0; desde < codigos.size(); desde += kValoresPorSentencia) {
        const QStringList parte = codigos.mid(desde, kValoresPorSentencia);
        long ignoradas = 0;
        db::Recordset filas = base.gCnn.Execute(sentencia + " IN " + db::Connection::markerList(parte.size()),
                                                comoValores(parte), ignoradas);
        for (; !filas.Eof(); filas.MoveNext()) {
            const QString codigo = filas.Fields(0).Value().textOrEmpty();
            existentes.insert(claveDeCodigo(codigo), codigo);
        }
    }
    return existentes;
}

QString claveDeFila(const QString& articulo, const QString& unidad, const QString& equivalente)
{
    return claveDeCodigo(articulo) + u'\x1f' + claveDeCodigo(unidad) + u'\x1f' + claveDeCodigo(equivalente);
}

QStringList articulosDe(const QVector<ImportacionEquivalencias::Fila>& filas)
{
    QStringList articulos;
    for (const auto& fila : filas) articulos.append(fila.articulo);
    return articulos;
}

}  // namespace

ImportacionEquivalencias ImportacionEquivalencias::Leer(DB_Dll& base, const QString& archivo)
{
    ImportacionEquivalencias importacion(base, archivo);
    importacion.revisar(os::SpreadsheetReader::read(archivo));
    return importacion;
}

// Every row is checked as the window checks an entry, in the same order,
// and given the first reason it fails for.
void ImportacionEquivalencias::revisar(const QVector<QStringList>& filas)
{
    QStringList articulos;
    for (const QStringList& fila : filas) articulos.append(codigoArticulo(celda(fila, kArticulo)));
    const QHash<QString, QString> existentes =
        codigosExistentes(*base_, "SELECT IDARTICULO FROM V_MA_ARTICULOS WHERE IDARTICULO", articulos);
    long ignoradas = 0;
    QHash<QString, QString> unidades;
    for (db::Recordset u = base_->gCnn.Execute("SELECT IdUnidad FROM V_TA_UNIDAD", ignoradas); !u.Eof(); u.MoveNext())
        unidades.insert(claveDeCodigo(u.Fields(0).Value().textOrEmpty()), u.Fields(0).Value().textOrEmpty());

    QHash<QString, int> lineaDeClave;
    QVector<Fila> aceptadas;
    for (qsizetype i = 0; i < filas.size(); ++i) {
        const QStringList& fila = filas[i];
        const int linea = static_cast<int>(i + 1);
        if (vacia(fila)) continue;
        const auto articulo = existentes.constFind(claveDeCodigo(codigoArticulo(celda(fila, kArticulo))));
        const auto unidad = unidades.constFind(claveDeCodigo(codigoUnidad(celda(fila, kUnidad))));
        const auto equivalente = unidades.constFind(claveDeCodigo(codigoUnidad(celda(fila, kEquivalente))));
        const QString coeficiente = celda(fila, kCoeficiente);
        // A first row whose coefficient is no number and whose article is no article names the columns.
        if (i == 0 && !vb::ParseNumber(coeficiente) && articulo == existentes.cend()) {
            encabezado_ = fila;
            continue;
        }
        const std::optional<bool> generica = marcaGenerica(celda(fila, kGenerica));
        const double almacenado = vb::ParseNumber(coeficiente) ? QvFunciones::TextoAMoneda(coeficiente) : 0;
        QString motivo;
        if (celda(fila, kArticulo).isEmpty()) motivo = kInformarArticulo;
        else if (articulo == existentes.cend()) motivo = kArticuloInexistente;
        else if (celda(fila, kUnidad).isEmpty()) motivo = kInformarUnidad;
        else if (unidad == unidades.cend()) motivo = kUnidadInexistente;
        else if (celda(fila, kEquivalente).isEmpty()) motivo = kInformarEquivalente;
        else if (equivalente == unidades.cend()) motivo = kUnidadInexistente;
        else if (unidad.key() == equivalente.key()) motivo = kMismaUnidadImportada;
        else if (almacenado <= 0) motivo = kCoeficientePositivo;
        else if (!generica) motivo = kMarcaInvalida;
        if (motivo.isEmpty()) {
            const QString clave = claveDeFila(*articulo, *unidad, *equivalente);
            if (const auto anterior = lineaDeClave.constFind(clave); anterior != lineaDeClave.cend())
                motivo = QString("Repite la fila de la línea %1").arg(*anterior);
            else
                lineaDeClave.insert(clave, linea);
        }
        if (!motivo.isEmpty()) {
            rechazadas_.append({linea, fila, vb::Trim(motivo)});
            continue;
        }
        aceptadas.append({linea, *articulo, *unidad, *equivalente, almacenado, *generica, false, {}, {}});
    }
    leerExistentes(aceptadas);
    for (const Fila& fila : aceptadas) {
        const bool igual = fila.existe && fila.coeficienteAnterior.toDouble() == fila.coeficiente
                           && (!fila.generica || fila.paraTodosAnterior.toLong() == 1);
        if (igual)
            ++sinCambios_;
        else
            aGrabar_.append(fila);
    }
}

void ImportacionEquivalencias::leerExistentes(QVector<Fila>& filas) const
{
    const QStringList articulos = articulosDe(filas);
    QHash<QString, std::pair<Variant, Variant>> actuales;
    for (qsizetype desde = 0; desde < articulos.size(); desde += kValoresPorSentencia) {
        const QStringList parte = articulos.mid(desde, kValoresPorSentencia);
        long ignoradas = 0;
        db::Recordset r = base_->gCnn.Execute(
            "SELECT IDARTICULO, IDUNIDAD, IDUNIDAD_EQUIV, COEFICIENTE, PARATODOS FROM S_TA_EQUIV WHERE IDARTICULO IN "
                + db::Connection::markerList(parte.size()),
            comoValores(parte), ignoradas);
        for (; !r.Eof(); r.MoveNext()) {
            const auto texto = [&](int i) { return r.Fields(i).Value().textOrEmpty(); };
            actuales.insert(claveDeFila(texto(0), texto(1), texto(2)), {r.Fields(3).Value(), r.Fields(4).Value()});
        }
    }
    for (Fila& fila : filas) {
        const auto actual = actuales.constFind(claveDeFila(fila.articulo, fila.unidad, fila.equivalente));
        if (actual == actuales.cend()) continue;
        fila.existe = true;
        fila.coeficienteAnterior = actual->first;
        fila.paraTodosAnterior = actual->second;
    }
}

qsizetype ImportacionEquivalencias::Nuevas() const
{
    return std::count_if(aGrabar_.cbegin(), aGrabar_.cend(), [](const Fila& fila) { return !fila.existe; });
}

qsizetype ImportacionEquivalencias::Cambiadas() const { return aGrabar_.size() - Nuevas(); }

QString ImportacionEquivalencias::Resumen(const QStringList& destinos) const
{
    QString texto = "Importación de " + QFileInfo(archivo_).fileName() + ":";
    texto += "\n    " + cantidad(Nuevas(), "equivalencia nueva", "equivalencias nuevas");
    texto += "\n    " + cantidad(Cambiadas(), "cambia de coeficiente", "cambian de coeficiente");
    int mostradas = 0;
    for (const Fila& fila : aGrabar_) {
        if (!fila.existe || mostradas++ >= kLineasMostradas) continue;
        texto += QString("\n        línea %1: %2 %3 → %4: %5 → %6")
                     .arg(fila.linea)
                     .arg(vb::Trim(fila.articulo), vb::Trim(fila.unidad), vb::Trim(fila.equivalente),
                          valorEscrito(fila.coeficienteAnterior), numeroEscrito(fila.coeficiente));
    }
    if (mostradas > kLineasMostradas) texto += QString("\n        y %1 más").arg(mostradas - kLineasMostradas);
    if (sinCambios_ > 0) texto += "\n    " + cantidad(sinCambios_, "ya estaba así", "ya estaban así");
    texto += "\n    " + cantidad(rechazadas_.size(), "fila rechazada", "filas rechazadas");
    for (qsizetype i = 0; i < rechazadas_.size() && i < kLineasMostradas; ++i)
        texto += QString("\n        línea %1: %2").arg(rechazadas_[i].linea).arg(rechazadas_[i].motivo);
    if (rechazadas_.size() > kLineasMostradas)
        texto += QString("\n        y %1 más").arg(rechazadas_.size() - kLineasMostradas);
    if (HayQueGrabar()) texto += SolicitudesEquivalencias::DondeSeReplica(destinos);
    return texto;
}

// The rows of one pair and kind go together, a stretch per transaction with
// its copies, as a generic save writes.
int ImportacionEquivalencias::Grabar(Replicacion& replicacion, int filasPorTramo)
{
    std::map<std::tuple<QString, QString, bool>, QVector<Fila>> porPar;
    for (const Fila& fila : aGrabar_)
        porPar[{claveDeCodigo(fila.unidad), claveDeCodigo(fila.equivalente), fila.generica}].append(fila);
    HistorialEquivalencias historial(*base_, HistorialEquivalencias::Origen::Importacion);
    db::GroupedCommits escrituras(base_->gCnn, [&replicacion] { replicacion.ConfirmarCopias(); });
    for (const auto& [par, filas] : porPar) {
        for (qsizetype desde = 0; desde < filas.size(); desde += filasPorTramo) {
            const QVector<Fila> tramo = filas.mid(desde, filasPorTramo);
            escrituras.beforeWrite();
            grabarTramo(historial, tramo);
            SolicitudesEquivalencias::PedirTramo(replicacion, kTablaEquivalencias,
                                                 SolicitudesEquivalencias::kAltaOModificacion, articulosDe(tramo),
                                                 tramo.first().unidad, tramo.first().equivalente);
            escrituras.commit();
        }
    }
    return static_cast<int>(aGrabar_.size());
}

void ImportacionEquivalencias::grabarTramo(HistorialEquivalencias& historial, const QVector<Fila>& tramo)
{
    QVector<Fila> nuevas;
    QVector<Fila> existentes;
    for (const Fila& fila : tramo) (fila.existe ? existentes : nuevas).append(fila);
    if (!nuevas.isEmpty()) agregar(historial, nuevas);
    if (!existentes.isEmpty()) cambiar(historial, existentes);
}

void ImportacionEquivalencias::agregar(HistorialEquivalencias& historial, const QVector<Fila>& filas)
{
    constexpr int kFilasPorSentencia = kValoresPorSentencia / kValoresPorFila;
    for (qsizetype desde = 0; desde < filas.size(); desde += kFilasPorSentencia) {
        const QVector<Fila> parte = filas.mid(desde, kFilasPorSentencia);
        QStringList marcas;
        QVector<Variant> valores;
        for (const Fila& fila : parte) {
            marcas.append(db::Connection::markerList(kValoresPorFila));
            valores += QVector<Variant>{fila.articulo, fila.unidad, fila.equivalente, fila.coeficiente,
                                        fila.generica ? Variant(1) : Variant::null()};
        }
        long agregadas = 0;
        base_->gCnn.Execute("INSERT INTO S_TA_EQUIV (IDARTICULO, IDUNIDAD, IDUNIDAD_EQUIV, COEFICIENTE, PARATODOS) "
                            "VALUES "
                                + marcas.join(", "),
                            valores, agregadas);
    }
    const FilasDelPar agregadas = filasDelPar(filas.first().unidad, filas.first().equivalente, articulosDe(filas));
    historial.Agregadas(agregadas.condicion, agregadas.valores);
}

// Rows that take the same coefficient change in one statement. A row not
// marked generic keeps its PARATODOS, as a per-article save does.
void ImportacionEquivalencias::cambiar(HistorialEquivalencias& historial, const QVector<Fila>& filas)
{
    std::map<double, QStringList> porCoeficiente;
    for (const Fila& fila : filas) porCoeficiente[fila.coeficiente].append(fila.articulo);
    const QString& unidad = filas.first().unidad;
    const QString& equivalente = filas.first().equivalente;
    const bool generica = filas.first().generica;
    for (const auto& [coeficiente, articulos] : porCoeficiente) {
        const FilasDelPar cambiadas = filasDelPar(unidad, equivalente, articulos);
        historial.AntesDeCambiar(cambiadas.condicion, cambiadas.valores, coeficiente,
                                 generica ? std::optional<Variant>(1) : std::nullopt);
        long escritas = 0;
        base_->gCnn.Execute("UPDATE S_TA_EQUIV SET COEFICIENTE = ?" + QString(generica ? ", PARATODOS = 1" : "")
                                + " WHERE " + cambiadas.condicion,
                            QVector<Variant>{coeficiente} + cambiadas.valores, escritas);
    }
}

QString ImportacionEquivalencias::EscribirRechazadas() const
{
    if (rechazadas_.isEmpty()) return {};
    QStringList titulos = encabezado_.isEmpty() ? kTitulos : encabezado_;
    while (titulos.size() < kColumnas) titulos.append(kTitulos[titulos.size()]);
    QVector<QStringList> filas{titulos + QStringList{"Motivo"}};
    for (const Rechazo& rechazo : rechazadas_) {
        QStringList celdas = rechazo.celdas;
        while (celdas.size() < titulos.size()) celdas.append(QString());
        filas.append(celdas.mid(0, titulos.size()) + QStringList{rechazo.motivo});
    }
    const QFileInfo entrada(archivo_);
    const QString salida = entrada.dir().filePath(entrada.completeBaseName() + "-rechazadas." + entrada.suffix());
    os::SpreadsheetWriter::write(salida, filas);
    return salida;
}
