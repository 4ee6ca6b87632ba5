#include "equivalences/FrmEquivalencias.h"

#include "equivalences/CodigosEquivalencia.h"
#include "equivalences/DeshacerGenerica.h"
#include "equivalences/HistorialEquivalencias.h"
#include "equivalences/ImportacionEquivalencias.h"
#include "lookups/Lib_FrmCons3.h"
#include "platform/VbText.h"
#include "platform/ui/Dialogs.h"
#include "replication/ModGruposEmp.h"

#include <QTabWidget>

// The history of what was saved, the undo of a generic save, and the import.

namespace {

constexpr char kTituloHistorial[] = "Historial de Equivalencias";
constexpr char kTituloDeshacer[] = "Deshacer Grabación Genérica";
constexpr char kTituloImportar[] = "Importar Equivalencias";

}  // namespace

QString FrmEquivalencias::elegirEnLista(const QString& titulo, const QString& sentencia, const QString& campo)
{
    Lib_FrmCons3 lista(base_);
    lista.setWindowTitle(titulo);
    lista.sql = sentencia;
    lista.CampoDevuelto = campo;
    lista.OrdenarPorLwv = false;
    lista.Form_Load();
    Service<Dialogs>::get().showModal(lista);
    return vb::Trim(lista.ValorDevuelto);
}

std::optional<std::pair<QString, QString>> FrmEquivalencias::parEnPantalla(const QString& titulo)
{
    const QString unidad = codigoUnidad(modelo_.Valor(Campo::IdUnidad2));
    const QString equivalente = codigoUnidad(modelo_.Valor(Campo::IdUnidad_Equiv2));
    if (vb::Trim(unidad).isEmpty() || vb::Trim(equivalente).isEmpty()) {
        MsgBox("Informe la unidad y la unidad equivalente en la pestaña Especiales.", vb::vbInformation, titulo);
        return std::nullopt;
    }
    return std::pair{unidad, equivalente};
}

void FrmEquivalencias::MostrarHistorial()
{
    modelo_.AsegurarTablasPropias();
    QString sentencia;
    if (SSTab1->currentIndex() == static_cast<int>(Pestana::Especiales)) {
        const auto par = parEnPantalla(kTituloHistorial);
        if (!par) return;
        sentencia = HistorialEquivalencias::ConsultaDelPar(par->first, par->second);
    } else {
        const QString articulo = codigoArticulo(modelo_.Valor(Campo::IdArticulo));
        if (vb::Trim(articulo).isEmpty()) {
            MsgBox("Informe el artículo para ver su historial.", vb::vbInformation, kTituloHistorial);
            return;
        }
        sentencia = HistorialEquivalencias::ConsultaDelArticulo(articulo);
    }
    (void)elegirEnLista(kTituloHistorial, sentencia, "ID");
}

void FrmEquivalencias::DeshacerGrabacionGenerica()
{
    if (SSTab1->currentIndex() != static_cast<int>(Pestana::Especiales)) {
        MsgBox("Se deshacen grabaciones genéricas: elija el par de unidades en la pestaña Especiales.",
               vb::vbInformation, kTituloDeshacer);
        return;
    }
    const auto par = parEnPantalla(kTituloDeshacer);
    if (!par) return;
    modelo_.AsegurarTablasPropias();
    const QString grabacion =
        elegirEnLista(kTituloDeshacer, DeshacerGenerica::ConsultaDeGrabaciones(par->first, par->second), "GRABACION");
    if (grabacion.isEmpty()) return;
    DeshacerGenerica deshacer = DeshacerGenerica::Calcular(base_, grabacion);
    if (deshacer.Vacia()) {
        MsgBox("No hay nada que deshacer: todas las filas de esa grabación cambiaron después.", vb::vbInformation,
               kTituloDeshacer);
        return;
    }
    if (MsgBox(deshacer.Pregunta(replicacion_.Destinos(modelo_.TablaActiva())), vb::vbQuestion + vb::vbYesNo,
               kTituloDeshacer)
        != vb::vbYes) {
        return;
    }
    deshacer.Ejecutar(replicacion_, modelo_.ArticulosPorTramo());
    modelo_.CargarEquivEspecial();
}

void FrmEquivalencias::Importar()
{
    const std::optional<QString> archivo =
        Service<Dialogs>::get().openFile(kTituloImportar, "Planillas |*.xlsx *.csv *.XLSX *.CSV");
    if (!archivo || archivo->isEmpty()) return;
    modelo_.AsegurarTablasPropias();
    ImportacionEquivalencias importacion = ImportacionEquivalencias::Leer(base_, *archivo);
    const QString resumen = importacion.Resumen(replicacion_.Destinos(modelo_.TablaActiva()));
    const QString rechazadas = importacion.EscribirRechazadas();
    const QString aviso =
        rechazadas.isEmpty() ? QString() : "\nLas filas rechazadas, con su motivo, están en " + rechazadas + ".";
    if (!importacion.HayQueGrabar()) {
        MsgBox(resumen + aviso + "\n\nNo hay nada que grabar.", vb::vbInformation, kTituloImportar);
        return;
    }
    if (MsgBox(resumen + aviso + "\n\n¿Desea grabar las filas aceptadas?", vb::vbQuestion + vb::vbYesNo, kTituloImportar)
        != vb::vbYes) {
        return;
    }
    importacion.Grabar(replicacion_, modelo_.ArticulosPorTramo());
    Inicializa();
}
